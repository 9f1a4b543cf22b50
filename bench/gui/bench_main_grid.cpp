// Opening a 10 000-draw lottery in the main window: database read, track table, model reset and the
// first paint of the grid, beside a plain grid that holds one item per cell.
#include "../ratio_report.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <filesystem>
#include <random>

#include "core/store/draw_database.h"
#include "core/store/load_lottery.h"
#include "gui/app/main_window.h"
#include "gui/widgets/frozen_header_table.h"
#include "gui/widgets/scripted_prompter.h"

using namespace p3;

namespace {

constexpr std::size_t kDraws = 10000;

core::DrawList makeDraws(std::size_t n) {
    std::mt19937 rng(7);
    core::DrawList draws;
    for (std::size_t i = 0; i < n; ++i) {
        std::string digits;
        for (int k = 0; k < 3; ++k)
            digits += static_cast<char>('0' + rng() % 10);
        draws.push_back({std::to_string(2000001 + i), digits});
    }
    return draws;
}

/// A home with one lottery "bench" of 10 000 draws and twenty public numbers.
struct BenchHome {
    std::filesystem::path home = std::filesystem::temp_directory_path() / "p3-bench-main-grid";
    BenchHome() {
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home / "Data");
        auto db = core::DrawDatabase::create(home / "Data" / "MDB.sqlite");
        if (!db) std::abort();
        (void)db->addLottery("bench", "体彩", 1, 3);
        (void)db->appendDraws("体彩", 1, makeDraws(kDraws));
        std::vector<std::string> publicNumbers;
        for (int i = 0; i < 20; ++i)
            publicNumbers.push_back(std::to_string(10000 + i * 4471 % 90000));
        (void)db->setPublicNumbers(publicNumbers);
    }
    ~BenchHome() { std::filesystem::remove_all(home); }
};

BenchHome& benchHome() {
    static BenchHome home;
    return home;
}

void BM_OpenLotteryModel(benchmark::State& state) {
    gui::ScriptedPrompter prompter;
    gui::MainWindow window(benchHome().home, prompter);
    window.FormShow();
    for (auto _ : state) {
        if (!window.LoadLottery(QStringLiteral("bench"))) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(window.gridModel()->rowCount());
    }
}
BENCHMARK(BM_OpenLotteryModel)->Unit(benchmark::kMillisecond);

void BM_OpenLotteryFirstPaint(benchmark::State& state) {
    gui::ScriptedPrompter prompter;
    gui::MainWindow window(benchHome().home, prompter);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!window.LoadLottery(QStringLiteral("bench"))) state.SkipWithError("load failed");
        window.grid()->viewport()->repaint();
        window.grid()->headerView()->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenLotteryFirstPaint)->Unit(benchmark::kMillisecond);

// The plain way: read the draws, compute the table, and put one item into every cell of a grid widget.
void BM_OpenLotteryItemGrid(benchmark::State& state) {
    auto db = core::DrawDatabase::open(benchHome().home / "Data" / "MDB.sqlite");
    auto publicNumbers = db->publicNumbers();
    QTableWidget grid;
    grid.resize(800, 700);
    grid.show();
    for (auto _ : state) {
        auto loaded = core::LoadLottery(*db, "bench");
        const auto table = core::TrackTable::ComputeTrackTable(loaded->draws, *publicNumbers, 3);
        const int n = static_cast<int>(loaded->draws.size());
        grid.clear();
        grid.setRowCount(n + 6);
        grid.setColumnCount(36);
        for (int i = 0; i < n; ++i) {
            const auto& draw = loaded->draws[static_cast<std::size_t>(i)];
            grid.setItem(i + 3, 0, new QTableWidgetItem(QString::fromStdString(draw.period)));
            for (int p = 0; p < 3; ++p)
                grid.setItem(i + 3, 1 + p, new QTableWidgetItem(QString(QLatin1Char(draw.digits[p]))));
            for (int k = 1; k <= 6; ++k) {
                const std::string value = table.blockValue(k, static_cast<std::size_t>(i));
                for (std::size_t p = 0; p < value.size(); ++p)
                    grid.setItem(i + 3, k * 5 + 1 + static_cast<int>(p),
                                 new QTableWidgetItem(QString(QLatin1Char(value[p]))));
            }
        }
        grid.viewport()->repaint();
    }
}
BENCHMARK(BM_OpenLotteryItemGrid)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchHome();
    return p3::bench::runWithRatios(argc, argv, {{"BM_OpenLotteryFirstPaint", "BM_OpenLotteryItemGrid"}});
}
