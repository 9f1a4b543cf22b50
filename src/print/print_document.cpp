#include "print_document.h"

#include <QFontDatabase>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace p3::print {
namespace {

QFont titleFont() {
    QFont f("WenQuanYi Micro Hei");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(16);
    f.setBold(true);
    return f;
}

QFont bodyFont(double points) {
    // The entries are aligned by blanks, so the lines need a fixed pitch.
    QFont f("WenQuanYi Micro Hei Mono");
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(points);
    return f;
}

} // namespace

void setUpPage(QPrinter& printer) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

bool paintJob(QPrinter& printer, const PrintJob& job) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(0, 0, page.width(), page.height());

    const QFont heading = titleFont();
    const QFontMetrics headingMetrics(heading, &printer);
    QFont body = bodyFont(11);
    // Shrink the body font until the widest line fits the page width.
    for (double points = 11; points >= 6; points -= 0.5) {
        body = bodyFont(points);
        const QFontMetrics m(body, &printer);
        int widest = 0;
        for (const QString& line : job.lines)
            widest = std::max(widest, m.horizontalAdvance(line));
        if (widest <= area.width()) break;
    }
    const QFontMetrics bodyMetrics(body, &printer);
    const int lineHeight = bodyMetrics.lineSpacing();
    const int headerHeight = headingMetrics.lineSpacing() + bodyMetrics.lineSpacing() * 2;
    const int perPage = std::max(1, (area.height() - headerHeight) / lineHeight);
    const int pages = std::max(1, static_cast<int>((job.lines.size() + perPage - 1) / perPage));
    const QString countText = QString::fromUtf8("共：%1注").arg(job.count);

    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.setFont(heading);
        painter.drawText(QRect(0, 0, area.width(), headingMetrics.lineSpacing()),
                         Qt::AlignHCenter | Qt::AlignTop, job.title);
        painter.setFont(body);
        const int infoTop = headingMetrics.lineSpacing();
        painter.drawText(QRect(0, infoTop, area.width(), lineHeight), Qt::AlignLeft | Qt::AlignTop,
                         countText);
        painter.drawText(QRect(0, infoTop, area.width(), lineHeight), Qt::AlignRight | Qt::AlignTop,
                         QString::fromUtf8("第 %1/%2 页").arg(p + 1).arg(pages));
        int y = headerHeight + bodyMetrics.ascent();
        for (int i = p * perPage; i < std::min<int>(job.lines.size(), (p + 1) * perPage); ++i) {
            painter.drawText(0, y, job.lines[i]);
            y += lineHeight;
        }
    }
    return painter.end();
}

} // namespace p3::print
