#include "frmVisor.h"

#include "Logging.h"
#include "NumberLook.h"
#include "PageImageSurface.h"
#include "RuntimeError.h"
#include "Twips.h"
#include "VbColor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {
constexpr double kSheetTwips = 1440 * 12; // a foot square: more than any code a sheet holds
} // namespace

frmVisor::frmVisor(QWidget *mainWindow, QSize ownerTwips)
    : QDialog(mainWindow), m_mainWindow(mainWindow), m_ownerTwips(ownerTwips)
{
    setObjectName(QStringLiteral("frmVisor"));
    setWindowTitle(QString());
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    // Moves over the frame close the viewer even with no button pressed. The label has no
    // tracking of its own, so moves over the digits never reach the window.
    setMouseTracking(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(white);
    Label1->setToolTip(tr("Click para cerrar"));
}

void frmVisor::loadSample(const QLabel &sample)
{
    Label1->setText(sample.text());
    QFont font = Label1->font();
    font.setPointSize(sample.font().pointSize());
    font.setFamilies(sample.font().families());
    Label1->setFont(font);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, sample.palette().color(QPalette::WindowText));
    Label1->setPalette(palette);
    Label1->adjustSize();
}

void frmVisor::showTemplate(const QImage &design)
{
    if (design.isNull())
        return;
    QPalette palette = Label1->palette();
    palette.setBrush(QPalette::Window, QBrush(design));
    Label1->setPalette(palette);
}

void frmVisor::showLook(const NumberLook &look)
{
    const QString digits = Label1->text();
    if (look.format == NumberLook::Format::Text) {
        Label1->setText(look.text(digits));
        Label1->adjustSize();
        return;
    }
    try {
        // Drawn as the printer draws it, on a sheet larger than any code, then cut to the code.
        const double dpi = logicalDpiX();
        PageImageSurface sheet(QSizeF(kSheetTwips, kSheetTwips), QRectF(0, 0, kSheetTwips, kSheetTwips), dpi);
        sheet.setFontName(Label1->font().family());
        sheet.setFontSize(float(Label1->font().pointSize()));
        sheet.setForeColor(VbColor::fromQColor(Label1->palette().color(QPalette::WindowText)));
        CodeCache codes;
        sheet.setCurrentPosition(1440, 1440); // room for the white margin all round
        NumberPrinter(look, QString(), {digits}).print(sheet, digits, codes);
        const QImage &image = sheet.image();
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (row[x] != qRgb(255, 255, 255))
                    ink |= QRect(x, y, 1, 1);
        }
        if (ink.isEmpty())
            return;
        // White all round, as wide as a code's quiet zone wants it, for a scanner held to the screen.
        const int margin = qMax(16, qMin(ink.width(), ink.height()) / 6);
        Label1->setPixmap(QPixmap::fromImage(image.copy(ink.adjusted(-margin, -margin, margin, margin))));
        Label1->adjustSize();
    } catch (const RuntimeError &e) {
        // Not an error here: the run says what is wrong when it is asked to print; the viewer
        // keeps the digits.
        qCDebug(lcPrint).noquote() << "Sample code not drawn:" << describeFailure(e);
    }
}

bool frmVisor::event(QEvent *event)
{
    // Laid out before it shows, so it never appears at a first place and then jumps.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmVisor::Form_Activate()
{
    const int labelW = Twips::fromPixels(Label1->width());
    const int labelH = Twips::fromPixels(Label1->height());
    const int w = labelW + 200;
    const int h = labelH + 200;
    setFixedSize(Twips::toPixels(w), Twips::toPixels(h));

    const QSize frame = frameGeometry().size().expandedTo(size());
    const QScreen *screen = m_mainWindow ? m_mainWindow->screen() : this->screen();
    move(placement(frame, m_ownerTwips, screen ? screen->availableGeometry() : QRect(QPoint(), frame)));

    Label1->move(Twips::toPixels(w / 2 - labelW / 2 - 20), Twips::toPixels(h / 2 - labelH / 2 - 20));

    QPalette band = palette();
    band.setColor(QPalette::Window, Label1->palette().color(QPalette::WindowText));
    setPalette(band);
}

QPoint frmVisor::placement(QSize frameSize, QSize ownerTwips, const QRect &screenArea)
{
    // The centre point comes from the main window's size, not its position, and can lie so far
    // right or down that part of the viewer would be off the screen; it is pulled back inside.
    const QPoint centre(Twips::toPixels(ownerTwips.width()), Twips::toPixels(ownerTwips.height()));
    QRect frame(QPoint(centre.x() - frameSize.width() / 2, centre.y() - frameSize.height() / 2), frameSize);
    frame.moveLeft(
        std::max(screenArea.left(), std::min(frame.left(), screenArea.right() + 1 - frame.width())));
    frame.moveTop(
        std::max(screenArea.top(), std::min(frame.top(), screenArea.bottom() + 1 - frame.height())));
    return frame.topLeft();
}

void frmVisor::mouseReleaseEvent(QMouseEvent *event)
{
    // A click on the digits reaches here too: the label passes clicks on to its window.
    QDialog::mouseReleaseEvent(event);
    reject();
}

void frmVisor::mouseMoveEvent(QMouseEvent *event)
{
    if (!Label1->geometry().contains(event->position().toPoint()))
        reject();
}
