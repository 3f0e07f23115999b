#include "frmPrincipal.h"

#include "BulkEdit.h"
#include "Dialogs.h"
#include "InputRules.h"
#include "JobControls.h"
#include "JobDocument.h"
#include "LastPrint.h"
#include "Logging.h"
#include "PrinterSurface.h"
#include "RunHistory.h"
#include "SetsBoxes.h"
#include "ShopTools.h"
#include "TemplateReady.h"
#include "Twips.h"
#include "UncutText.h"
#include "frmFormatos.h"
#include "frmPilas.h"
#include "ui_frmPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

namespace {

template <typename T, std::size_t N>
void fillArray(QWidget *form, std::array<T *, N> &array, const char *name)
{
    for (std::size_t i = 0; i < N; ++i) {
        array[i] = form->findChild<T *>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        Q_ASSERT(array[i]);
    }
}

template <typename T, std::size_t N> int indexIn(const std::array<T *, N> &array, const QObject *object)
{
    for (std::size_t i = 0; i < N; ++i)
        if (array[i] == object)
            return int(i);
    return -1;
}

Qt::FocusReason reasonOf(const QEvent *event)
{
    return static_cast<const QFocusEvent *>(event)->reason();
}

// Focus that moves to or from another window (a message box, a context menu) is not the user
// entering or leaving a box, and must not run the box's rules again. Nor is a visit to the menus
// (Alt, or Alt and a letter): the menu bar hands the focus back to the box it took it from.
bool movesWithinWindow(const QEvent *event)
{
    const Qt::FocusReason reason = reasonOf(event);
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

bool isMenu(const QWidget *widget)
{
    return qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QMenu *>(widget);
}

} // namespace

frmPrincipal::frmPrincipal(AppContext &context, QWidget *parent)
    : QMainWindow(parent), m_context(context), ui(std::make_unique<Ui::frmPrincipal>()),
      m_job(std::make_unique<JobControls>())
{
    ui->setupUi(this);
    bindControlArrays();
    connectPage0();
    connectPages();
    connectInputRules();
    setUpFontPanel();
    setUpLanguage();
    setUpStatusRow();
    restoreWidthAndPage();
    loadSettingsAndDocument();
    connectPrinterEntries();
    setUpTemplate();
}

frmPrincipal::~frmPrincipal()
{
    // The children are destroyed after this body, moving the focus as they go; by then this is
    // no longer a frmPrincipal, so the watch must not run.
    disconnect(m_focusWatch);
}

void frmPrincipal::bindControlArrays()
{
    fillArray(this, m_job->txtPosX, "txtPosX");
    fillArray(this, m_job->txtPosY, "txtPosY");
    fillArray(this, m_job->Check1, "Check1");
    fillArray(this, m_job->desde, "desde");
    fillArray(this, m_job->hasta, "hasta");
    fillArray(this, m_job->posX, "posX");
    fillArray(this, m_job->posY, "posY");
    fillArray(this, m_job->Check2, "Check2");

    // A position or row that is off starts with its boxes greyed.
    for (std::size_t i = 0; i < m_job->Check1.size(); ++i) {
        m_job->txtPosX[i]->setEnabled(!m_job->Check1[i]->isChecked());
        m_job->txtPosY[i]->setEnabled(!m_job->Check1[i]->isChecked());
    }
    for (std::size_t i = 0; i < m_job->Check2.size(); ++i)
        for (QLineEdit *box : {m_job->desde[i], m_job->hasta[i], m_job->posX[i], m_job->posY[i]})
            box->setEnabled(!m_job->Check2[i]->isChecked());
}

void frmPrincipal::connectPage0()
{
    const auto markModified = [this] { m_jobModified = true; };
    QList<QLineEdit *> boxes{ui->txtDesde, ui->txtHasta};
    for (std::size_t i = 0; i < m_job->txtPosX.size(); ++i)
        boxes << m_job->txtPosX[i] << m_job->txtPosY[i];
    for (std::size_t i = 0; i < m_job->desde.size(); ++i)
        boxes << m_job->desde[i] << m_job->hasta[i] << m_job->posX[i] << m_job->posY[i];
    for (QLineEdit *box : boxes) {
        connect(box, &QLineEdit::textChanged, this, markModified);
        box->installEventFilter(this);
    }
    findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->installEventFilter(this);
    for (QCheckBox *box : {ui->chVert, ui->chVert2}) {
        connect(box, &QCheckBox::toggled, this, [this, box] {
            m_jobModified = true;
            setOrientationFromBox(box);
        });
    }

    connect(ui->cmdImprimir, &QPushButton::clicked, this, &frmPrincipal::printSameNumbers);
    connect(ui->archImprimir, &QAction::triggered, this, &frmPrincipal::printSameNumbers);
    connect(ui->CmdCancelar, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->Command7, &QPushButton::clicked, this, &QWidget::close);
}

void frmPrincipal::connectPages()
{
    connect(ui->SSTab1, &QTabWidget::currentChanged, this, &frmPrincipal::pageShown);
    connect(ui->Command6, &QPushButton::clicked, this, &frmPrincipal::printDistinctNumbers);
    connect(ui->mnuChecktodo, &QAction::triggered, this, [this] { checkAllBoxes(Ask::First); });
    connect(ui->mnuLimpiarTodo, &QAction::triggered, this, [this] { clearAllBoxes(Ask::First); });
}

void frmPrincipal::connectInputRules()
{
    // toggled, not clicked: the chain also runs when another command sets a box.
    for (std::size_t i = 0; i < m_job->Check1.size(); ++i)
        connect(m_job->Check1[i], &QCheckBox::toggled, this, [this, i] { positionSwitched(int(i)); });
    for (std::size_t i = 0; i < m_job->Check2.size(); ++i)
        connect(m_job->Check2[i], &QCheckBox::toggled, this, [this, i] { rowSwitched(int(i)); });

    // A box left for the menus is only really left when the focus then goes on to another
    // control of this window (a click elsewhere, a menu entry that moves the focus).
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!m_leftForMenus || !now || isMenu(now) || now->window() != this)
            return;
        QLineEdit *box = std::exchange(m_leftForMenus, nullptr);
        if (now != box)
            leaveBox(box);
    });
}

void frmPrincipal::pageShown(int page)
{
    m_context.setSetting(QStringLiteral("Solapa"), QStringLiteral("sstab1"), QString::number(page));
    if (page == 0)
        ui->txtDesde->setFocus();
    else
        m_job->desde[0]->setFocus();
}

void frmPrincipal::setOrientationFromBox(QCheckBox *box)
{
    const bool landscape = box->isChecked();
    QFont caption = box->font();
    caption.setBold(landscape);
    box->setFont(caption);
    try {
        m_context.printer.setOrientation(landscape ? PrinterSurface::Landscape : PrinterSurface::Portrait);
    } catch (const std::exception &e) {
        // No printer: the box still shows the choice; the next printer gets it at print time.
        qCWarning(lcPrint).noquote() << "The printer did not take the orientation:" << describeFailure(e);
    }
}

void frmPrincipal::selectWholeText(QLineEdit *box)
{
    box->setSelection(0, int(box->text().size()));
}

bool frmPrincipal::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (watched == ui->Label6) {
            showSampleFullSize();
            return true;
        }
        break;
    case QEvent::ShortcutOverride:
        // A box would keep Ctrl+A, Ctrl+C ... for its own editing; the menus' shortcuts win, as
        // they always did, so Ctrl+A opens a job wherever the focus stands.
        if (isMenuShortcut(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyPress:
        if (watched == ui->txtDesde || watched == ui->txtHasta || indexIn(m_job->desde, watched) >= 0 ||
            indexIn(m_job->hasta, watched) >= 0) {
            if (filterNumberKey(static_cast<QLineEdit *>(watched), static_cast<QKeyEvent *>(event)))
                return true;
        }
        break;
    case QEvent::FocusIn:
        if (reasonOf(event) == Qt::MenuBarFocusReason)
            break; // back from the menus: the box was never left
        if (movesWithinWindow(event))
            if (const int i = indexIn(m_job->hasta, watched); i >= 0)
                enterRowEnd(i);
        // Deferred, so that the mouse press that gave the focus does not undo the selection.
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus())
                    selectWholeText(box);
            });
        break;
    case QEvent::FocusOut:
        // Run while the focus moves, so that a button clicked next sees the adjusted value.
        if (movesWithinWindow(event))
            leaveBox(watched);
        else if (reasonOf(event) == Qt::MenuBarFocusReason && hasLeaveRule(watched))
            m_leftForMenus = static_cast<QLineEdit *>(watched);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmPrincipal::isMenuShortcut(const QKeyEvent *key) const
{
    const QKeySequence pressed(key->keyCombination());
    const QList<QAction *> entries = findChildren<QAction *>();
    return std::any_of(entries.begin(), entries.end(), [&](const QAction *entry) {
        return entry->isEnabled() && !entry->shortcut().isEmpty() && entry->shortcut() == pressed;
    });
}

bool frmPrincipal::hasLeaveRule(const QObject *box) const
{
    return indexIn(m_job->hasta, box) >= 0 || indexIn(m_job->txtPosX, box) >= 0 ||
           indexIn(m_job->txtPosY, box) >= 0;
}

void frmPrincipal::leaveBox(const QObject *box)
{
    if (const int i = indexIn(m_job->hasta, box); i >= 0)
        leaveRowEnd(i);
    else if (const int x = indexIn(m_job->txtPosX, box); x >= 0)
        leavePositionX(x);
    else if (const int y = indexIn(m_job->txtPosY, box); y >= 0)
        leavePositionY(y);
}

bool frmPrincipal::filterNumberKey(QLineEdit *box, QKeyEvent *key)
{
    // Only typed characters are filtered: moving on, deleting and the editing shortcuts are not.
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Delete)
        return false;
    for (QKeySequence::StandardKey edit : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                           QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (key->matches(edit))
            return false;

    InputRules::KeyAction action = InputRules::KeyAction::Pass;
    for (QChar c : text)
        if ((action = InputRules::numberKey(c.unicode())) != InputRules::KeyAction::Pass)
            break;
    switch (action) {
    case InputRules::KeyAction::Pass:
        return false;
    case InputRules::KeyAction::Discard:
        return true;
    case InputRules::KeyAction::Tab: {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QCoreApplication::sendEvent(box, &tab);
        return true;
    }
    }
    return true;
}

void frmPrincipal::positionSwitched(int index)
{
    m_jobModified = true;
    enableChain(m_job->Check1, index, true);
}

void frmPrincipal::rowSwitched(int index)
{
    m_jobModified = true;
    enableChain(m_job->Check2, index, false);
}

void frmPrincipal::enableChain(std::span<QCheckBox *const> boxes, int index, bool positions)
{
    if (m_puttingBack)
        return; // the box is only going back to checked; the chain has decided already
    const bool previousChecked = index > 0 && boxes[index - 1]->isChecked();
    switch (InputRules::enableChain(index, previousChecked)) {
    case InputRules::ChainAction::None:
        break;
    case InputRules::ChainAction::ApplyToBoxes:
        enableBoxesOf(boxes[index], index, positions);
        break;
    case InputRules::ChainAction::PutBack: {
        const QScopedValueRollback guard(m_puttingBack, true);
        boxes[index]->setChecked(true);
        break;
    }
    }
}

void frmPrincipal::enableBoxesOf(QCheckBox *offBox, int index, bool positions)
{
    const bool enabled = offBox->checkState() == Qt::Unchecked;
    if (positions) {
        m_job->txtPosX[index]->setEnabled(enabled);
        m_job->txtPosY[index]->setEnabled(enabled);
    } else {
        for (QLineEdit *box :
             {m_job->posX[index], m_job->posY[index], m_job->desde[index], m_job->hasta[index]})
            box->setEnabled(enabled);
    }
}

void frmPrincipal::enterRowEnd(int row)
{
    if (row >= 1)
        if (const auto end = InputRules::rowEndFill(m_job->desde[row]->text(), m_firstRowSpan))
            m_job->hasta[row]->setText(*end);
    selectWholeText(m_job->hasta[row]);
}

void frmPrincipal::leaveRowEnd(int row)
{
    QLineEdit *box = m_job->hasta[row];
    const InputRules::RowEnds ends{m_job->desde[0]->text(), m_job->hasta[0]->text(),
                                   m_job->desde[row]->text(), box->text()};
    const bool adjusted = InputRules::rowCountCheck(row, ends, m_firstRowSpan, m_context.dialogs,
                                                    [box](const QString &end) { box->setText(end); });
    // The focus is still on its way to the next box; it comes back once it has arrived.
    if (adjusted)
        QTimer::singleShot(0, box, [box] { box->setFocus(Qt::OtherFocusReason); });
}

void frmPrincipal::leavePositionX(int index)
{
    QLineEdit *box = m_job->txtPosX[index];
    InputRules::printableAreaCheck(InputRules::Axis::X, box->text(), m_context.printer, m_context.dialogs,
                                   [box](const QString &limit) { setTextUncut(box, limit); });
}

void frmPrincipal::leavePositionY(int index)
{
    QLineEdit *box = m_job->txtPosY[index];
    InputRules::printableAreaCheck(InputRules::Axis::Y, box->text(), m_context.printer, m_context.dialogs,
                                   [box](const QString &limit) { setTextUncut(box, limit); });
}

void frmPrincipal::checkAllBoxes(Ask ask)
{
    const float preg = ask == Ask::First ? 0.f : float(Dialogs::Yes);
    BulkEdit::Chequear(m_context.dialogs, preg, [this](BulkEdit::Box box, bool checked) {
        if (QCheckBox *check = box.control == BulkEdit::Box::Check3 ? ui->Check3 : m_job->checkBox(box))
            check->setChecked(checked);
    });
}

void frmPrincipal::clearAllBoxes(Ask ask)
{
    const float preg = ask == Ask::First ? 0.f : float(Dialogs::Yes);
    bool cleared = false;
    BulkEdit::Limpiar(m_context.dialogs, preg, [this, &cleared](BulkEdit::Box box, const QString &text) {
        cleared = true;
        if (QLineEdit *edit = m_job->textBox(box))
            edit->setText(text);
    });
    if (cleared) {
        m_pilas->reset();
        m_juegos->reset();
        m_formatos->reset();
    }
}

// The job's boxes are read in one place, for the runs and the job file alike.
SameNumberJob frmPrincipal::sameNumberJob() const
{
    return m_job->sameNumberJob();
}

DistinctNumberJob frmPrincipal::distinctNumberJob() const
{
    DistinctNumberJob job = m_job->distinctNumberJob();
    job.nombre = JobDocument::Cortar(documents().ArchivoActual); // for separator sheets
    return job;
}

FontChoice frmPrincipal::fontChoice() const
{
    return {ui->cboFuentes->currentText(), findChild<QLineEdit *>(QStringLiteral("txtTamaño"))->text(),
            fontColor()};
}

void frmPrincipal::printSameNumbers()
{
    if (m_history->refusedWhilePrinting() ||
        !PdfTemplates::readyToPrint(m_context.printer, m_context.dialogs))
        return;
    m_context.printer.setJobName(JobDocument::Cortar(documents().ArchivoActual));
    // The run prints these values, whatever the window holds by the time it ends.
    const SameNumberJob same = sameNumberJob();
    const DistinctNumberJob distinct = distinctNumberJob();
    const FontChoice font = fontChoice();
    const RunOutcome outcome = m_history->print(0, [&](RunObserver *logged) {
        return m_shop->withSummary(logged, [&](RunObserver *observer) {
            return m_history->aside(observer, [&](RunObserver *aside, Dialogs &dialogs) {
                return runSameNumber(same, font, m_context.printer, dialogs, aside);
            });
        });
    });
    recordLastPrint(outcome, 0, same, distinct);
    if (outcome == RunOutcome::DigitsMismatch) {
        ui->txtHasta->setFocus();
        selectWholeText(ui->txtHasta);
    }
}

void frmPrincipal::printDistinctNumbers()
{
    if (m_history->refusedWhilePrinting() ||
        !PdfTemplates::readyToPrint(m_context.printer, m_context.dialogs))
        return;
    m_context.printer.setJobName(JobDocument::Cortar(documents().ArchivoActual));
    const SameNumberJob same = sameNumberJob();
    const DistinctNumberJob distinct = distinctNumberJob();
    const FontChoice font = fontChoice();
    const RunOutcome outcome = m_history->print(1, [&](RunObserver *logged) {
        return m_shop->withSummary(logged, [&](RunObserver *observer) {
            return m_history->aside(observer, [&](RunObserver *aside, Dialogs &dialogs) {
                return runDistinctNumber(distinct, font, m_context.printer, dialogs, m_firstRowSpan, aside);
            });
        });
    });
    recordLastPrint(outcome, 1, same, distinct);
    if (outcome == RunOutcome::DigitsMismatch) {
        m_job->hasta[0]->setFocus();
        selectWholeText(m_job->hasta[0]);
    }
}
