#pragma once
/// The pages pick3-print lays out: the title and the count at the top of every A4 page, then the lines.
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QStringList>

namespace p3::print {

struct PrintJob {
    QString title;
    long count = 0;
    QStringList lines;
};

/// Sets the printer to A4 portrait with 15 mm margins.
void setUpPage(QPrinter& printer);

/// Draws the job on the printer, as many pages as the lines need; false when the printer cannot be
/// painted on (for example an unwritable PDF path).
bool paintJob(QPrinter& printer, const PrintJob& job);

} // namespace p3::print
