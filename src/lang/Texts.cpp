#include "Texts.h"

#include "CadenasAnadidas.h"
#include "Logging.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QWidget>
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

} // namespace

QString Texts::caption(QObject *control, bool title)
{
    if (title)
        return qobject_cast<QWidget *>(control) ? static_cast<QWidget *>(control)->windowTitle() : QString();
    if (auto *menu = qobject_cast<QMenu *>(control))
        return menu->title();
    if (auto *action = qobject_cast<QAction *>(control))
        return action->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    return {};
}

void Texts::setCaption(QObject *control, const QString &text, bool title)
{
    if (title) {
        if (auto *window = qobject_cast<QWidget *>(control))
            window->setWindowTitle(text);
    } else if (auto *menu = qobject_cast<QMenu *>(control))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(control))
        action->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
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
