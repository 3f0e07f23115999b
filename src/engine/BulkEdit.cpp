#include "BulkEdit.h"

#include "Dialogs.h"
#include "RunMessages.h"

namespace BulkEdit {
namespace {

bool confirmed(Dialogs &dialogs, float preg, const QString &question)
{
    if (preg == Dialogs::Yes)
        return true;
    return dialogs.message(question, RunMessages::kTitle, Dialogs::Icon::Information, Dialogs::Buttons::YesNo)
        == Dialogs::Yes;
}

QString indexed(const char *name, int i)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
}

} // namespace

const QStringList &checkOrder()
{
    static const QStringList order = [] {
        QStringList names{QStringLiteral("Check3"), QStringLiteral("chVert2")};
        for (int i = 3; i >= 0; --i)
            names << indexed("Check2", i);
        names << QStringLiteral("chVert");
        for (int i = 0; i <= 5; ++i)
            names << indexed("Check1", i);
        return names;
    }();
    return order;
}

void Chequear(Dialogs &dialogs, float preg, const std::function<void(const QString &, bool)> &setChecked)
{
    if (confirmed(dialogs, preg, kCheckAllQuestion))
        for (const QString &box : checkOrder())
            setChecked(box, true);
    // Landscape is never left behind by this command, whatever the answer.
    setChecked(QStringLiteral("chVert2"), false);
    setChecked(QStringLiteral("chVert"), false);
}

void Limpiar(Dialogs &dialogs, float preg, const std::function<void(const QString &, const QString &)> &setText)
{
    if (!confirmed(dialogs, preg, kClearQuestion))
        return;
    const QString zero = QStringLiteral("0");
    for (int i = 0; i <= 5; ++i) {
        setText(indexed("txtPosX", i), zero);
        setText(indexed("txtPosY", i), zero);
    }
    setText(QStringLiteral("txtDesde"), QStringLiteral("0000"));
    setText(QStringLiteral("txtHasta"), QStringLiteral("0000"));
    for (int i = 0; i <= 3; ++i)
        for (const char *box : {"desde", "hasta", "posX", "posY"})
            setText(indexed(box, i), zero);
}

} // namespace BulkEdit
