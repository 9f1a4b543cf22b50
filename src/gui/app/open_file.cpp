#include "gui/app/open_file.h"

#include <QFileInfo>

#include "gui/shrink/shrink_window.h"
#include "gui/tools/set_tool_window.h"
#include "gui/widgets/prompter.h"
#include "gui/workbench/workbench.h"

namespace p3::gui {

bool openFileOnStart(Workbench& bench, ShrinkWindow& shrink, const QString& path) {
    const QFileInfo file(path);
    const QString absolute = file.absoluteFilePath();
    const QString suffix = file.suffix().toLower();
    if (suffix == QStringLiteral("ag")) {
        shrink.showWorkspace();
        return shrink.loadConditionFile(absolute);
    }
    if (suffix == QStringLiteral("sgl")) return showSetTool(bench).loadSetFile(absolute);
    bench.prompter().information(
        bench.window(), QStringLiteral("无法打开: 不是条件方案 (.ag) 或集合列表 (.SGL) 文件: ") + absolute);
    return false;
}

} // namespace p3::gui
