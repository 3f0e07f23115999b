#include "StatusHelp.h"

#include "Logging.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QTime>
#include <QWidget>

namespace StatusHelp {
namespace {

// The help of each control, by objectName (arrays by their base name), in Spanish; shown in the
// interface language.
const QHash<QString, const char *> &fixedTexts()
{
    static const QHash<QString, const char *> texts{
        {QStringLiteral("cmdImprimir"), QT_TRANSLATE_NOOP("StatusHelp", " Imprimir los valores actuales")},
        {QStringLiteral("Command6"), QT_TRANSLATE_NOOP("StatusHelp", " Imprimir los valores actuales")},
        {QStringLiteral("CmdCancelar"),
         QT_TRANSLATE_NOOP("StatusHelp", " Dejar todo como está y cerrar el programa.")},
        {QStringLiteral("Command7"),
         QT_TRANSLATE_NOOP("StatusHelp", " Dejar todo como está y cerrar el programa.")},
        {QStringLiteral("cmdRestaurar"),
         QT_TRANSLATE_NOOP("StatusHelp", " Restaurar a los valores originales")},
        {QStringLiteral("Check1"),
         QT_TRANSLATE_NOOP("StatusHelp", " Habilitar / desabilitar opción de imprimir")},
        {QStringLiteral("Check2"),
         QT_TRANSLATE_NOOP("StatusHelp", " Habilitar / desabilitar opción de imprimir")},
        {QStringLiteral("txtDesde"),
         QT_TRANSLATE_NOOP("StatusHelp", " Ingrese aquí el numero inicial a imprimir.")},
        {QStringLiteral("txtHasta"),
         QT_TRANSLATE_NOOP("StatusHelp", " Ingrese aquí el numero final a imprimir")},
        {QStringLiteral("desde"),
         QT_TRANSLATE_NOOP("StatusHelp", " Ingrese aquí el valor inicial a imprimir")},
        {QStringLiteral("hasta"),
         QT_TRANSLATE_NOOP("StatusHelp", " Ingrese aquí el valor final a imprimir.")},
        {QStringLiteral("posX"),
         QT_TRANSLATE_NOOP("StatusHelp", " Coordenada horizontal del número a imprimir")},
        {QStringLiteral("posY"),
         QT_TRANSLATE_NOOP("StatusHelp", " Coordenada vertical del número a imprimir")},
        {QStringLiteral("PicColor"),
         QT_TRANSLATE_NOOP("StatusHelp", " Color de fuente actual. Doble click para cambiarlo")},
        {QStringLiteral("txtTamaño"), QT_TRANSLATE_NOOP("StatusHelp", " Tamaño de fuente actual.")},
        {QStringLiteral("lblEstado"),
         QT_TRANSLATE_NOOP("StatusHelp", " Aquí aparecerá la ayuda sobre cada objeto.")},
        {QStringLiteral("lblHora"), QT_TRANSLATE_NOOP("StatusHelp", " Hora actual de su sistema")},
        // The window's own surface and the tab control (strip and page backgrounds) wipe the help.
        {QStringLiteral("frmPrincipal"), ""},
        {QStringLiteral("centralwidget"), ""},
        {QStringLiteral("SSTab1"), ""},
        {QStringLiteral("tabMismo"), ""},
        {QStringLiteral("tabDistinto"), ""},
    };
    return texts;
}

QString translated(const char *spanish)
{
    return *spanish ? QCoreApplication::translate("StatusHelp", spanish) : QString();
}

// "txtPosX_2" -> ("txtPosX", 2); other names come back whole with index -1.
std::pair<QString, int> splitArrayName(const QString &name)
{
    const qsizetype underscore = name.lastIndexOf(u'_');
    if (underscore > 0) {
        bool ok = false;
        const int index = name.mid(underscore + 1).toInt(&ok);
        if (ok && index >= 0)
            return {name.left(underscore), index};
    }
    return {name, -1};
}

bool sizeAtLeast30(const QString &sizeText)
{
    try {
        return NumberText::strictDouble(sizeText) >= 30;
    } catch (const std::exception &e) {
        // Not an error: an empty or non-numeric size counts as small.
        qCDebug(lcApp).noquote() << "Font size taken as small:" << describeFailure(e);
        return false;
    }
}

} // namespace

std::optional<QString> textFor(const QString &controlName, const State &state)
{
    const auto [base, index] = splitArrayName(controlName);
    if (index >= 0 && base == QLatin1String("txtPosX"))
        return QCoreApplication::translate("StatusHelp",
                                           " Coordenada horizontal dónde se imprimirá el %1° número")
            .arg(index + 1);
    if (index >= 0 && base == QLatin1String("txtPosY"))
        return QCoreApplication::translate("StatusHelp",
                                           " Coordenada vertical dónde se imprimirá el %1° número")
            .arg(index + 1);
    if (base == QLatin1String("Command4"))
        return state.windowWidthTwips == 8900
                   ? QCoreApplication::translate("StatusHelp", " Contraer opciones avanzadas")
                   : QCoreApplication::translate("StatusHelp", " Desplegar opciones avanzadas");
    if (base == QLatin1String("Label6"))
        return sizeAtLeast30(state.sizeText)
                   ? QCoreApplication::translate("StatusHelp",
                                                 " Doble click aquí para ver la muestra completa.")
                   : QCoreApplication::translate("StatusHelp", " Muestra de opciones seleccionadas");
    const auto &texts = fixedTexts();
    if (const auto it = texts.find(index >= 0 ? base : controlName); it != texts.end())
        return translated(*it);
    return std::nullopt;
}

QString clockText(const QTime &time, const QLocale &locale)
{
    // The time-zone field ('t') goes together with what only framed it: its brackets
    // ("H:mm:ss (t)") or the separator before it ("h:mm:ss AP, t"). Quoted literal text stays.
    static const QRegularExpression zone(QStringLiteral(R"([\s,]*(?:\(\s*t+\s*\)|\[\s*t+\s*\]|t+))"));
    static const QRegularExpression looseEnds(QStringLiteral(R"(^[\s,]+|[\s,]+$)"));
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString withoutZone;
    QString fields; // the unquoted run being collected
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'' && !quoted) {
            withoutZone += fields.remove(zone);
            fields.clear();
        }
        if (c == u'\'')
            quoted = !quoted;
        (quoted || c == u'\'' ? withoutZone : fields) += c;
    }
    withoutZone += fields.remove(zone);
    return locale.toString(time, withoutZone.remove(looseEnds));
}

} // namespace StatusHelp

StatusHelpTracker::StatusHelpTracker(QWidget *root, QLabel *lblEstado,
                                     std::function<StatusHelp::State()> state)
    : QObject(root), m_root(root), m_lblEstado(lblEstado), m_state(std::move(state))
{
    track(root);
    for (QWidget *child : root->findChildren<QWidget *>())
        track(child);
}

void StatusHelpTracker::track(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool StatusHelpTracker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == m_root) {
        // A help still showing follows the language; any other text is its owner's to redo.
        if (!m_shownFor.isEmpty() && m_lblEstado->text() == m_shown)
            if (const auto text = StatusHelp::textFor(m_shownFor, m_state()))
                show(m_shownFor, *text);
        return false;
    }
    if (event->type() == QEvent::StatusTip) {
        // A menu entry's status help (a recent file's whole path): as much as the line holds,
        // losing the middle. Leaving an entry sends an empty one, which leaves the text in place.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        if (!tip.isEmpty())
            m_lblEstado->setText(m_lblEstado->fontMetrics().elidedText(u' ' + tip, Qt::ElideMiddle,
                                                                       m_lblEstado->contentsRect().width()));
        return false;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
    // A move that a control did not take travels on to its parents; the control under the pointer
    // decides in every case, so each step of that journey shows the same text.
    QWidget *under = widget->childAt(at);
    if (!under)
        under = widget;
    // Parts of a control that Qt builds inside it (the tab bar's, the page stack) have names
    // starting with "qt_" and count as the control.
    while (under != widget && (under->objectName().isEmpty() || under->objectName().startsWith(u"qt_")))
        under = under->parentWidget();
    if (const auto text = StatusHelp::textFor(under->objectName(), m_state()))
        show(under->objectName(), *text);
    return false;
}

void StatusHelpTracker::show(const QString &controlName, const QString &text)
{
    m_shownFor = controlName;
    m_shown = text;
    m_lblEstado->setText(text);
}
