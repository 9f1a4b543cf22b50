// pick3: the workbench's engines for scripts and tests. Output is TSV in UTF-8; errors go to
// stderr with exit status 2.
#include <iostream>

#include "cli/cli_common.h"

int main(int argc, char** argv) {
    using namespace p3::cli;
    CLI::App app{"pick3 — the pick3bench engines on the command line"};
    app.require_subcommand(1);
    app.fallthrough();
    GlobalOptions global;
    app.add_option("--home", global.home, "home folder (default: $PICK3_HOME or ~/.local/share/pick3bench)");
    app.footer("Every command makes the home from the template when it is missing.\n"
               "Examples:\n"
               "  pick3 lottery list\n"
               "  pick3 track --lottery 福彩3D --table\n"
               "  pick3 track --draws draws.txt --public public.txt --digits 3\n"
               "  pick3 stats --lottery 福彩3D --last 100 --kinds 和值,跨度\n"
               "  pick3 chart 1 --lottery 福彩3D --last 30");
    registerTrackCommand(app, global);
    registerLotteryCommand(app, global);
    registerStatsCommand(app, global);
    registerChartCommand(app, global);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
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
