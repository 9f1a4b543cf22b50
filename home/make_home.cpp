// Builds the home template from its text sources: make_home SOURCE_DIR OUT_DIR.
// The template is assembled in a temporary folder beside OUT_DIR and then moved over it, so an
// interrupted build never leaves half a template behind.
#include <filesystem>
#include <iostream>

#include "core/history/draw_text_file.h"
#include "core/io/ini_file.h"
#include "core/io/text_codec.h"
#include "core/stats/statistic_kinds.h"
#include "core/store/draw_database.h"

namespace fs = std::filesystem;
using namespace p3::core;

namespace {

struct SampleLottery {
    std::string name, kind, file;
    std::string source = "server";
    std::int64_t id = 0;
    int digits = 3;
};

Result<std::vector<SampleLottery>> readLotteries(const fs::path& file) {
    auto text = readTextFile(file);
    if (!text) return std::unexpected(text.error());
    std::vector<SampleLottery> out;
    for (const auto& line : splitLines(*text)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, tab - start));
        f.push_back(line.substr(start));
        // name, kind, id, digit count, sample file and, optionally, the source of new draws
        if (f.size() != 5 && f.size() != 6) return fail("bad line in " + file.string() + ": " + line);
        out.push_back({f[0], f[1], f[4], f.size() == 6 ? f[5] : "server", std::stoll(f[2]), std::stoi(f[3])});
    }
    return out;
}

/// The chart help texts: leaf name, title and help per line, "\n" standing for a line break of the help.
Status addChartHelp(DrawDatabase& db, const fs::path& file) {
    auto text = readTextFile(file);
    if (!text) return std::unexpected(text.error());
    for (const auto& line : splitLines(*text)) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab1 = line.find('\t');
        const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) return fail("bad line in " + file.string() + ": " + line);
        std::string help = line.substr(tab2 + 1);
        for (std::size_t at; (at = help.find("\\n")) != std::string::npos;) help.replace(at, 2, "\n");
        if (auto ok = db.addChartHelp({line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), help}); !ok)
            return ok;
    }
    return {};
}

Status build(const fs::path& src, const fs::path& out) {
    auto lotteries = readLotteries(src / "lotteries.tsv");
    if (!lotteries) return std::unexpected(lotteries.error());
    auto db = DrawDatabase::create(out / "Data" / "MDB.sqlite");
    if (!db) return std::unexpected(db.error());
    for (const auto& lottery : *lotteries) {
        if (auto ok = db->addLottery(lottery.name, lottery.kind, lottery.id, lottery.digits); !ok) return ok;
        if (auto ok = db->setLotterySource(lottery.name, lottery.source); !ok) return ok;
        auto parsed = readDrawTextFile((src / "samples" / lottery.file).string(), lottery.digits);
        if (!parsed) return std::unexpected(parsed.error());
        if (parsed->error) return std::unexpected(*parsed->error);
        if (auto ok = db->appendDraws(lottery.kind, lottery.id, parsed->draws); !ok) return ok;
    }
    auto publicText = readTextFile(src / "public_numbers.txt");
    if (!publicText) return std::unexpected(publicText.error());
    std::vector<std::string> publicNumbers;
    for (const auto& line : splitLines(*publicText))
        if (!line.empty() && line[0] != '#') publicNumbers.push_back(line);
    if (auto ok = db->setPublicNumbers(publicNumbers); !ok) return ok;
    if (auto ok = addChartHelp(*db, src / "text" / "chart_help.tsv"); !ok) return ok;

    // The theoretical counts of the statistics, counted over the 1000 numbers.
    IniFile directCounts = makeDirectCountIni();
    directCounts.setPath(out / "YiLouCanShu.ini");
    if (auto ok = directCounts.save(); !ok) return ok;

    // Settings files of the home are GBK on disk, as every text file the workbench writes.
    auto settings = readTextFile(src / "Sys_Set.ini");
    if (!settings) return std::unexpected(settings.error());
    if (auto ok = writeTextFileGbk(out / "Sys_Set.ini", *settings); !ok) return ok;
    std::error_code ec;
    for (const char* folder : {"Qiu", "Qiu/GuoLv", "Image", "Skin"}) fs::create_directories(out / folder, ec);
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_home SOURCE_DIR OUT_DIR\n";
        return 2;
    }
    const fs::path src = argv[1];
    const fs::path out = fs::absolute(argv[2]);
    const fs::path staging = out.parent_path() / (out.filename().string() + ".new");
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::create_directories(staging, ec);
    if (auto ok = build(src, staging); !ok) {
        std::cerr << ok.error().message << '\n';
        fs::remove_all(staging, ec);
        return 1;
    }
    fs::remove_all(out, ec);
    fs::rename(staging, out, ec);
    if (ec) {
        std::cerr << "cannot move the template into place: " << ec.message() << '\n';
        return 1;
    }
    return 0;
}
