// pick3 sets: the set tool's intersection, union and search over number files and set-list files.
#include <algorithm>
#include <iostream>

#include "cli/cli_common.h"
#include "core/tools/set_tool.h"

namespace p3::cli {
namespace {

struct SetsOptions {
    std::vector<std::string> files;
    std::vector<std::string> exclude;
    std::vector<std::string> tolerate;
    std::vector<std::string> skip;
    std::optional<std::string> tolerance;
    std::string number;
    std::string out;
};

bool isSetListFile(const std::string& file) {
    std::string ext = std::filesystem::path(file).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
    return ext == ".SGL";
}

// The sets of the files in order: every set of a set-list file, one set per number file; then the
// flags the options name.
core::SetList loadSets(const SetsOptions& o) {
    core::SetList list;
    for (const auto& file : o.files) {
        if (isSetListFile(file)) {
            const core::SetList loaded = take(core::SetList::load(file));
            for (const auto& set : loaded.sets())
                list.add(set);
        } else {
            take(list.addFromFile(file));
        }
    }
    auto apply = [&](const std::vector<std::string>& names, core::SetFlag flag, bool wanted) {
        for (const auto& name : names) {
            const auto& sets = list.sets();
            auto it = std::find_if(sets.begin(), sets.end(),
                                   [&](const core::NamedSet& s) { return s.name == name; });
            if (it == sets.end()) throw CommandError{"没有这个集合: " + name};
            const bool now = flag == core::SetFlag::TakePart ? it->takePart
                             : flag == core::SetFlag::Keep   ? it->keep
                                                             : it->tolerate;
            if (now != wanted) list.flip(static_cast<std::size_t>(it - sets.begin()), flag);
        }
    };
    apply(o.skip, core::SetFlag::TakePart, false);
    apply(o.exclude, core::SetFlag::Keep, false);
    apply(o.tolerate, core::SetFlag::Tolerate, true);
    return list;
}

std::optional<core::SetTolerance> parseTolerance(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    const auto dash = text->find('-');
    try {
        if (dash == std::string::npos) throw std::invalid_argument("no dash");
        std::size_t used = 0;
        const int lowest = std::stoi(text->substr(0, dash), &used);
        if (used != dash) throw std::invalid_argument("trailing");
        const std::string rest = text->substr(dash + 1);
        const int highest = std::stoi(rest, &used);
        if (used != rest.size() || lowest < 0 || highest < 0 || lowest > 100 || highest > 100)
            throw std::invalid_argument("range");
        return core::SetTolerance{lowest, highest};
    } catch (const std::exception&) {
        throw CommandError{"容错范围应为 BEG-END, 0..100: " + *text};
    }
}

void printNumbers(const std::vector<std::string>& numbers) {
    for (const auto& n : numbers)
        printRecord({n});
    std::cout.flush();
    std::cerr << core::setResultCaption(numbers.size()) << '\n';
}

} // namespace

void registerSetsCommand(CLI::App& app, const GlobalOptions&) {
    auto o = std::make_shared<SetsOptions>();
    auto* sets = app.add_subcommand("sets", "the set tool (集合统计) over number files and .SGL set lists");
    sets->require_subcommand(1);
    sets->footer("example: pick3 sets intersect --tolerate c --tolerance 1-1 a.txt b.txt c.txt");
    auto files = [&](CLI::App* cmd) {
        cmd->add_option("FILE", o->files, "number files (*.txt) or set lists (*.SGL)")->required();
    };
    auto flags = [&](CLI::App* cmd) {
        cmd->add_option("--skip", o->skip, "a set that takes no part (运算 0)")->allow_extra_args(false);
    };

    auto* intersect = sets->add_subcommand("intersect", "交集: one number a line, 共: (N) on stderr");
    intersect->footer(
        "example: pick3 sets intersect --exclude b --tolerance 0-1 --tolerate c a.txt b.txt c.txt");
    flags(intersect);
    intersect->add_option("--exclude", o->exclude, "a set whose numbers must not be in the result (保留 0)")
        ->allow_extra_args(false);
    intersect->add_option("--tolerate", o->tolerate, "a set whose miss counts against the tolerance (容错 1)")
        ->allow_extra_args(false);
    intersect->add_option("--tolerance", o->tolerance, "allowed misses BEG-END (turns tolerance on)");
    files(intersect);
    intersect->callback([o] { printNumbers(take(loadSets(*o).intersect(parseTolerance(o->tolerance)))); });

    auto* unite = sets->add_subcommand("union", "并集: one number a line in order of first appearance");
    unite->footer("example: pick3 sets union a.txt lists.SGL");
    flags(unite);
    files(unite);
    unite->callback([o] { printNumbers(take(loadSets(*o).unite())); });

    auto* find = sets->add_subcommand("find", "the sets that hold a number, one name a line");
    find->footer("example: pick3 sets find 027 lists.SGL");
    find->add_option("NUMBER", o->number)->required();
    flags(find);
    files(find);
    find->callback([o] {
        auto list = loadSets(*o);
        take(list.findText(o->number)); // the not-found message
        for (const auto& name : take(list.find(o->number)))
            printRecord({name});
    });

    auto* list = sets->add_subcommand("list", "the set list: 序号, 运算, 名称, 注数, 保留, 容错");
    list->footer("example: pick3 sets list lists.SGL");
    files(list);
    list->callback([o] {
        int i = 0;
        const core::SetList loaded = loadSets(*o);
        for (const auto& s : loaded.sets())
            printRecord({std::to_string(++i), s.takePart ? "1" : "0", s.name,
                         std::to_string(s.numbers.size()), s.keep ? "1" : "0", s.tolerate ? "1" : "0"});
    });

    auto* save = sets->add_subcommand("save", "write the sets of the files as one set list; prints its path");
    save->footer(
        "example: pick3 sets save lists a.txt b.txt   (\".SGL\" is added when the path has no \".\")");
    save->add_option("OUT", o->out)->required();
    flags(save);
    save->add_option("--exclude", o->exclude, "a set marked 保留 0")->allow_extra_args(false);
    save->add_option("--tolerate", o->tolerate, "a set marked 容错 1")->allow_extra_args(false);
    files(save);
    save->callback([o] { printRecord({take(loadSets(*o).save(o->out)).string()}); });
}

} // namespace p3::cli
