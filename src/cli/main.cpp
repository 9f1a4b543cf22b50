// pick3: the workbench's engines for scripts and tests. Output is TSV in UTF-8; errors go to
// stderr with exit status 2.
#include <iostream>

#include "cli/cli_common.h"
#include "core/common/version.h"
#include "core/io/app_path.h"

int main(int argc, char** argv) {
    using namespace p3::cli;
    CLI::App app{"pick3 — the pick3bench engines on the command line"};
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", "pick3 " + std::string(p3::core::kProgramVersion));
    GlobalOptions global;
    // An empty --home would quietly fall back to the user's real data folder.
    app.add_option("--home", global.home, "home folder (default: $PICK3_HOME or ~/.local/share/pick3bench)")
        ->check(CLI::Validator(
            [](std::string& dir) -> std::string {
                return dir.empty() ? std::string(p3::core::kEmptyHomeMessage) : "";
            },
            "DIR"));
    app.footer("Every command makes the home from the template when it is missing.\n"
               "Examples:\n"
               "  pick3 lottery list\n"
               "  pick3 track --lottery 福彩3D --table\n"
               "  pick3 track --draws draws.txt --public public.txt --digits 3\n"
               "  pick3 lottery add 体彩排列4 --kind 体彩 --digits 4\n"
               "  pick3 lottery delete 体彩排列4\n"
               "  pick3 draws add --lottery 福彩3D 2024001 027\n"
               "  pick3 export --lottery 福彩3D draws.txt\n"
               "  pick3 import --lottery 福彩3D --merge new.txt\n"
               "  pick3 filter --conditions plan.ag --pick 0123456789/13579/02468 --total-tolerance 0-1\n"
               "  pick3 intersect --entry a.txt --entry b.txt,series=3,tolerant --total-tolerance 0-1\n"
               "  pick3 convert 组变单 --input groups.txt\n"
               "  pick3 backtest --conditions plan.ag --lottery 福彩3D --last 100\n"
               "  pick3 stats --lottery 福彩3D --last 100 --kinds 和值,跨度\n"
               "  pick3 chart 1 --lottery 福彩3D --last 30\n"
               "  pick3 fixed-chart --list\n"
               "  pick3 fixed-chart 和值号码-细分表\n"
               "  pick3 update --lottery 福彩3D\n"
               "  pick3 update --lottery 福彩3D --source server --url http://127.0.0.1:8080\n"
               "  pick3 update --lottery 体彩排列3 --source lines --url https://example.org/{name}.txt\n"
               "  pick3 lottery source 体彩排列4 lines\n"
               "  pick3 version --url http://127.0.0.1:8080\n"
               "  pick3 serve --home /srv/pick3 --port 8080 --bind 0.0.0.0\n"
               "  pick3 sets intersect --tolerate c --tolerance 1-1 a.txt b.txt c.txt\n"
               "  pick3 sets union lists.SGL\n"
               "  pick3 betplan --cost 2 --prize 160 --start 1 --periods 15 --rate 10 --xlsx plan.xlsx\n"
               "  pick3 print-layout --sep - --columns 6 --seq --title 我的投注 < numbers.txt");
    registerTrackCommand(app, global);
    registerLotteryCommand(app, global);
    registerDrawsCommand(app, global);
    registerImportExportCommands(app, global);
    registerFilterCommand(app, global);
    registerIntersectCommand(app, global);
    registerConvertCommand(app, global);
    registerBacktestCommand(app, global);
    registerStatsCommand(app, global);
    registerChartCommand(app, global);
    registerFixedChartCommand(app, global);
    registerUpdateCommands(app, global);
    registerSetsCommand(app, global);
    registerBetPlanCommand(app, global);
    registerPrintLayoutCommand(app, global);
    registerServeCommand(app, global);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    } catch (const CommandError& e) {
        std::cout.flush();
        std::cerr << e.message << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
    return 0;
}
