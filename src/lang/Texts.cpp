#include "Texts.h"

#include "CadenasAnadidas.h"
#include "Logging.h"

#include <QPointer>
#include <QVariant>
#include <vector>

namespace {

struct Binding
{
    QPointer<QObject> control;
    std::function<void()> refresh;
};

Texts::Source &source()
{
    static Texts::Source current;
    return current;
}

std::vector<Binding> &bindings()
{
    static std::vector<Binding> all;
    return all;
}

// The property that holds a control's caption. The captions belong to controls of the window
// layer; they are reached through Qt's properties, so that the texts need no widget of their own.
const char *captionProperty(const QObject *control, bool title)
{
    if (!control)
        return nullptr;
    if (title)
        return control->isWidgetType() ? "windowTitle" : nullptr;
    if (control->inherits("QMenu"))
        return "title";
    if (control->inherits("QAction") || control->inherits("QAbstractButton") || control->inherits("QLabel"))
        return "text";
    if (control->inherits("QGroupBox"))
        return "title";
    return nullptr;
}

} // namespace

QString Texts::caption(QObject *control, bool title)
{
    const char *property = captionProperty(control, title);
    return property ? control->property(property).toString() : QString();
}

void Texts::setCaption(QObject *control, const QString &text, bool title)
{
    if (const char *property = captionProperty(control, title))
        control->setProperty(property, text);
}

namespace {

void bind(QObject *control, int32_t id, bool title)
{
    if (!control)
        return;
    Texts::follow(control, [control, id, title, spanish = Texts::caption(control, title)] {
        Texts::setCaption(control, Texts::text(id, spanish), title);
    });
}

} // namespace

void Texts::setSource(Source next)
{
    source() = std::move(next);
    refreshAll();
}

void Texts::refreshAll()
{
    auto &all = bindings();
    std::erase_if(all, [](const Binding &b) { return b.control.isNull(); });
    for (const Binding &b : std::vector<Binding>(all))
        if (b.control)
            b.refresh();
}

void Texts::forgetSource()
{
    source() = nullptr;
}

QString Texts::text(int32_t id, const QString &spanish)
{
    if (!source())
        return spanish;
    const std::optional<QString> found = source()(id);
    return found ? *found : spanish;
}

QString Texts::spanish(int32_t id)
{
    // Only the Spanish half: id + 100 would be the English text.
    const char *found = id % 1000 < 100 ? LibreriaTessarino::Recursos::cadenaAnadida(id) : nullptr;
    if (!found) {
        qCWarning(lcLang) << "No text" << id << "in the tables";
        return {};
    }
    return QString::fromUtf8(found);
}

QString Texts::text(int32_t id)
{
    if (!source())
        return spanish(id);
    const std::optional<QString> found = source()(id);
    return found ? *found : spanish(id);
}

void Texts::bindCaption(QObject *control, int32_t id)
{
    bind(control, id, false);
}

void Texts::bindTitle(QObject *window, int32_t id)
{
    bind(window, id, true);
}

void Texts::follow(QObject *owner, std::function<void()> refresh)
{
    if (!owner)
        return;
    auto &all = bindings();
    std::erase_if(all, [](const Binding &b) { return b.control.isNull(); });
    refresh();
    all.push_back({owner, std::move(refresh)});
}
