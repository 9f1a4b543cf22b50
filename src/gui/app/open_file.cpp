#include "gui/app/open_file.h"

#include <QFileInfo>

#include "gui/app/main_window.h"
#include "gui/app/prompter.h"
#include "gui/shrink/shrink_window.h"
#include "gui/tools/set_tool_window.h"

namespace p3::gui {

bool openFileOnStart(MainWindow& main, ShrinkWindow& shrink, const QString& path) {
    const QFileInfo file(path);
    const QString absolute = file.absoluteFilePath();
    const QString suffix = file.suffix().toLower();
    if (suffix == QStringLiteral("ag")) {
        shrink.showWorkspace();
        return shrink.loadConditionFile(absolute);
    }
    if (suffix == QStringLiteral("sgl")) return showSetTool(main).loadSetFile(absolute);
    main.prompter().information(
        &main, QStringLiteral("无法打开: 不是条件方案 (.ag) 或集合列表 (.SGL) 文件: ") + absolute);
    return false;
}

} // namespace p3::gui
