#include "TemplateReady.h"

#include "Dialogs.h"
#include "Logging.h"
#include "PrinterSurface.h"
#include "Texts.h"

namespace PdfTemplates {
namespace {

const QString kTitle = QStringLiteral("Tessarino");

QString millimetres(double points)
{
    return QString::number(points * 25.4 / 72, 'f', 0);
}

} // namespace

bool readyToPrint(const PrinterSurface &printer, Dialogs &dialogs, bool printing)
{
    if (!printer.pdfTemplate())
        return true;
    const Inspection found = inspect(*printer.pdfTemplate());
    if (!found.usable()) {
        const QString nothing = Texts::text(5009);
        dialogs.message(printing ? found.problem + u'\n' + nothing : found.problem, kTitle,
                        Dialogs::Icon::Exclamation);
        return false;
    }
    if (!printing)
        return true;
    // A printer that cannot tell its paper is left to the run, which reports it.
    QSizeF paper;
    try {
        paper = QSizeF(printer.width() / 20.0, printer.height() / 20.0);
    } catch (const std::exception &e) {
        qCWarning(lcPrint) << "paper size unknown, left to the run:" << describeFailure(e);
        return true;
    }
    // Half a point of slack: the same paper size is often written with rounded dimensions.
    if (found.points.width() <= paper.width() + 0.5 && found.points.height() <= paper.height() + 0.5)
        return true;
    const QString text = Texts::text(5008)
                             .arg(printer.pdfTemplate()->page)
                             .arg(millimetres(found.points.width()), millimetres(found.points.height()),
                                  millimetres(paper.width()), millimetres(paper.height()));
    return dialogs.message(text, kTitle, Dialogs::Icon::Question, Dialogs::Buttons::YesNo) == Dialogs::Yes;
}

} // namespace PdfTemplates
