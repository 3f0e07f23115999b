#include "BulkEdit.h"

#include "Dialogs.h"
#include "RunMessages.h"

namespace BulkEdit {
namespace {

bool confirmed(Dialogs &dialogs, float preg, const QString &question)
{
    if (preg == Dialogs::Yes)
        return true;
    return dialogs.message(question, RunMessages::kTitle, Dialogs::Icon::Information,
                           Dialogs::Buttons::YesNo) == Dialogs::Yes;
}

} // namespace

QString Box::name() const
{
    static const char *const names[] = {"Check3",   "chVert2",  "Check2",  "chVert",  "Check1",
                                        "txtDesde", "txtHasta", "txtPosX", "txtPosY", "desde",
                                        "hasta",    "posX",     "posY"};
    const QString control = QLatin1String(names[int(this->control)]);
    return index < 0 ? control : QStringLiteral("%1_%2").arg(control).arg(index);
}

const std::vector<Box> &checkOrder()
{
    static const std::vector<Box> order = [] {
        std::vector<Box> boxes{{Box::Check3}, {Box::chVert2}};
        for (int i = 3; i >= 0; --i)
            boxes.push_back({Box::Check2, i});
        boxes.push_back({Box::chVert});
        for (int i = 0; i <= 5; ++i)
            boxes.push_back({Box::Check1, i});
        return boxes;
    }();
    return order;
}

void Chequear(Dialogs &dialogs, float preg, const std::function<void(Box, bool)> &setChecked)
{
    if (confirmed(dialogs, preg, checkAllQuestion()))
        for (const Box &box : checkOrder())
            setChecked(box, true);
    // Landscape is never left behind by this command, whatever the answer.
    setChecked({Box::chVert2}, false);
    setChecked({Box::chVert}, false);
}

void Limpiar(Dialogs &dialogs, float preg, const std::function<void(Box, const QString &)> &setText)
{
    if (!confirmed(dialogs, preg, clearQuestion()))
        return;
    const QString zero = QStringLiteral("0");
    for (int i = 0; i <= 5; ++i) {
        setText({Box::txtPosX, i}, zero);
        setText({Box::txtPosY, i}, zero);
    }
    setText({Box::txtDesde}, QStringLiteral("0000"));
    setText({Box::txtHasta}, QStringLiteral("0000"));
    for (int i = 0; i <= 3; ++i)
        for (const Box::Control box : {Box::desde, Box::hasta, Box::posX, Box::posY})
            setText({box, i}, zero);
}

} // namespace BulkEdit
