#include "gui/html/html_page_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QUrl>

#include "gui/text_bytes.h"

namespace gui {

void PrintHtmlPage(const std::string& path, QWidget* parent) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    QTextDocument page;
    // Images of the page are found beside it when their paths are relative.
    page.setBaseUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    page.setHtml(FromBytes(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))));

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

}  // namespace gui
