#include "gui/html/html_page_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "gui/text_bytes.h"

namespace gui {

namespace {

// Reads a page into `page`; false when the file cannot be read.
bool LoadPage(QFile& file, QTextDocument& page) {
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    // Dates, ratings and durations sit in narrow right-hand cells that a browser widens to fit;
    // the printed page keeps them on one line in the same way.
    page.setDefaultStyleSheet("td[align=\"right\"] { white-space: nowrap; }");
    // Images of the page are found beside it when their paths are relative.
    page.setBaseUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    page.setHtml(FromBytes(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    return true;
}

}  // namespace

void PrintHtmlPage(const std::string& path, QWidget* parent) {
    QFile file(QString::fromStdString(path));
    QTextDocument page;
    if (!LoadPage(file, page)) return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.metaInformation(QTextDocument::DocumentTitle));
    // Without a printer the dialog offers a PDF file in the home folder.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(
            QDir::home().filePath(QFileInfo(file).completeBaseName() + ".pdf"));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    page.print(&printer);
}

std::string PrintHtmlPageToPdf(const std::string& page_path, const std::string& pdf_path) {
    QFile file(QString::fromStdString(page_path));
    QTextDocument page;
    if (!LoadPage(file, page)) return page_path + ": " + file.errorString().toStdString();

    // QPrinter reports no failure to write its output: it writes a part file beside the PDF,
    // which replaces the PDF only when it has arrived whole.
    const QFileInfo pdf(QString::fromStdString(pdf_path));
    const QString part = pdf.absoluteFilePath() + ".part";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part);
    printer.setDocName(page.metaInformation(QTextDocument::DocumentTitle));
    page.print(&printer);
    if (QFileInfo(part).size() == 0) {
        QFile::remove(part);
        return pdf_path + ": the folder does not exist or cannot be written";
    }
    if (std::rename(QFile::encodeName(part).constData(),
                    QFile::encodeName(pdf.absoluteFilePath()).constData()) != 0) {
        QFile::remove(part);
        return pdf_path + ": " + std::strerror(errno);
    }
    return {};
}

}  // namespace gui
