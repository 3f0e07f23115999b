#include "StatusHelp.h"

#include "Logging.h"
#include "NumberText.h"

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

// The texts are the program's own and stay Spanish in every interface language.
const QHash<QString, QString> &fixedTexts()
{
    static const QHash<QString, QString> texts{
        {QStringLiteral("cmdImprimir"), QStringLiteral(" Imprimir los valores actuales")},
        {QStringLiteral("Command6"), QStringLiteral(" Imprimir los valores actuales")},
        {QStringLiteral("CmdCancelar"), QStringLiteral(" Dejar todo como está y cerrar el programa.")},
        {QStringLiteral("Command7"), QStringLiteral(" Dejar todo como está y cerrar el programa.")},
        {QStringLiteral("cmdRestaurar"), QStringLiteral(" Restaurar a los valores originales")},
        {QStringLiteral("Check1"), QStringLiteral(" Habilitar / desabilitar opción de imprimir")},
        {QStringLiteral("Check2"), QStringLiteral(" Habilitar / desabilitar opción de imprimir")},
        {QStringLiteral("txtDesde"), QStringLiteral(" Ingrese aquí el numero inicial a imprimir.")},
        {QStringLiteral("txtHasta"), QStringLiteral(" Ingrese aquí el numero final a imprimir")},
        {QStringLiteral("desde"), QStringLiteral(" Ingrese aquí el valor inicial a imprimir")},
        {QStringLiteral("hasta"), QStringLiteral(" Ingrese aquí el valor final a imprimir.")},
        {QStringLiteral("posX"), QStringLiteral(" Coordenada horizontal del número a imprimir")},
        {QStringLiteral("posY"), QStringLiteral(" Coordenada vertical del número a imprimir")},
        {QStringLiteral("PicColor"), QStringLiteral(" Color de fuente actual. Doble click para cambiarlo")},
        {QStringLiteral("txtTamaño"), QStringLiteral(" Tamaño de fuente actual.")},
        {QStringLiteral("lblEstado"), QStringLiteral(" Aquí aparecerá la ayuda sobre cada objeto.")},
        {QStringLiteral("lblHora"), QStringLiteral(" Hora actual de su sistema")},
        // The window's own surface and the tab control (strip and page backgrounds) wipe the help.
        {QStringLiteral("frmPrincipal"), QString()},
        {QStringLiteral("centralwidget"), QString()},
        {QStringLiteral("SSTab1"), QString()},
        {QStringLiteral("tabMismo"), QString()},
        {QStringLiteral("tabDistinto"), QString()},
    };
    return texts;
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
        return QStringLiteral(" Coordenada horizontal dónde se imprimirá el %1° número").arg(index + 1);
    if (index >= 0 && base == QLatin1String("txtPosY"))
        return QStringLiteral(" Coordenada vertical dónde se imprimirá el %1° número").arg(index + 1);
    if (base == QLatin1String("Command4"))
        return state.windowWidthTwips == 8900 ? QStringLiteral(" Contraer opciones avanzadas")
                                              : QStringLiteral(" Desplegar opciones avanzadas");
    if (base == QLatin1String("Label6"))
        return sizeAtLeast30(state.sizeText)
                   ? QStringLiteral(" Doble click aquí para ver la muestra completa.")
                   : QStringLiteral(" Muestra de opciones seleccionadas");
    const auto &texts = fixedTexts();
    if (const auto it = texts.find(index >= 0 ? base : controlName); it != texts.end())
        return *it;
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
        m_lblEstado->setText(*text);
    return false;
}
