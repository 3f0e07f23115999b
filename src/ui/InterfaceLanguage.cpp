#include "InterfaceLanguage.h"

#include "Dialogs.h"
#include "ErrorReason.h"
#include "Logging.h"
#include "ProfileFiles.h"
#include "ResourceLibrary.h"
#include "RuntimeError.h"
#include "Texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

namespace {

const QString kTitle = QStringLiteral("Tessarino");

// Control and caption id, in the order the captions are requested. The two "last print" entries
// take each other's id: each is named after the run it brings back.
struct Row
{
    const char16_t *control;
    int32_t id;
};
constexpr Row kHead[] = {
    {u"mnuarchivo", 1},
    {u"mnunuevo", 2},
    {u"mnuNueMismo", 3},
    {u"mnuNueDistinto", 4},
    {u"mnuabrir", 5},
    {u"mnuguardar", 6},
    {u"impCuadricula", 7},
    {u"impRectangulo", 8},
    {u"archImprimir", 9},
    {u"mnusalir", 10},
    {u"mnuherramientas", 17},
    {u"mnucargar", 18},
    {u"mnuultimaMismo", 20},
    {u"mnudistinto", 19},
    {u"mnuChecktodo", 21},
    {u"mnuLimpiarTodo", 22},
    {u"mnulimpiarrecientes", 23},
    {u"mnufuente", 11},
    {u"mnucolor", 12},
    {u"mnutamaño", 13},
    {u"mnutipo", 14},
    {u"mnuguardarconfig", 15},
    {u"mnurestaurar", 16},
    {u"mnuImpresora", 24},
    {u"impConfigurar", 25},
    {u"mnuLenguaje", 26},
    {u"mnuEspañol", 27},
    {u"mnuFrances", 28},
    {u"mnuIngles", 30},
    {u"mnuItaliano", 29},
    {u"mnuAcerca", 31},
    {u"mnuNotas", 32},
    {u"mnuescribir", 33},
    {u"mnuBorrar", 34},
    {u"cmdImprimir", 39},
    {u"CmdCancelar", 40},
    {u"Check3", 45},
    {u"cmdRestaurar", 46},
    {u"Command6", 39},
    {u"Command7", 40},
    {u"chVert", 47},
    {u"chVert2", 47},
    {u"Label1_0", 37},
    {u"Label1_1", 38},
    {u"Label25", 43},
    {u"Label2", 44},
};
// After the rows of Label12/Label11.
constexpr Row kTail[] = {{u"Frame3", 41}, {u"Frame4", 42}};
constexpr int32_t kTabIds[] = {35, 36};

std::function<void(const QString &)> captionSetter(QObject *control)
{
    if (!qobject_cast<QMenu *>(control) && !qobject_cast<QAction *>(control) &&
        !qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLabel *>(control) &&
        !qobject_cast<QGroupBox *>(control))
        return {};
    return [control](const QString &text) { Texts::setCaption(control, text); };
}

} // namespace

InterfaceLanguage::InterfaceLanguage(QWidget *window, const Menu &menu, ResourceLibrary &library,
                                     const ProfileFiles &profiles, Dialogs &dialogs, bool &idiomaCargado,
                                     QObject *parent)
    : QObject(parent), m_menu(menu), m_library(library), m_profiles(profiles), m_dialogs(dialogs),
      m_idiomaCargado(idiomaCargado)
{
    for (QAction *entry : {m_menu.mnuEspanol, m_menu.mnuFrances, m_menu.mnuItaliano, m_menu.mnuIngles})
        entry->setCheckable(true);
    mapCaptions(window);
}

// The texts' source asks the library this object was given.
InterfaceLanguage::~InterfaceLanguage()
{
    Texts::forgetSource();
}

void InterfaceLanguage::mapCaptions(QWidget *window)
{
    const auto add = [&](const QString &name, int32_t id) {
        auto setter = captionSetter(window->findChild<QObject *>(name));
        Q_ASSERT_X(setter, "InterfaceLanguage", qPrintable(name));
        if (setter)
            m_captions.push_back({std::move(setter), id});
    };
    for (const Row &row : kHead)
        add(QString::fromUtf16(row.control), row.id);
    for (int i = 0; window->findChild<QLabel *>(QStringLiteral("Label12_%1").arg(i)); ++i) {
        add(QStringLiteral("Label12_%1").arg(i), 37);
        add(QStringLiteral("Label11_%1").arg(i), 38);
    }
    for (const Row &row : kTail)
        add(QString::fromUtf16(row.control), row.id);
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (int page = 0; page < 2; ++page)
        m_captions.push_back(
            {[tabs, page](const QString &text) { tabs->setTabText(page, text); }, kTabIds[page]});
}

QString InterfaceLanguage::captionText(int32_t id, int32_t base) const
{
    try {
        return m_library.CargarCadena(id, base);
    } catch (const RuntimeError &error) {
        // A language the program speaks through its translation file loads even where the library
        // has no caption of its own for it: that caption stays Spanish. Without a translation the
        // language is not available at all, and a library that cannot be asked refuses every one.
        if (base == Espanol || !Translations::available(base) ||
            error.number() != ResourceLibrary::ResourceNotFound)
            throw;
        qCDebug(lcLang).noquote() << "Caption" << id << "stays Spanish:" << describeFailure(error);
        return m_library.CargarCadena(id, Espanol);
    }
}

void InterfaceLanguage::CargarIdioma(int32_t base)
{
    try {
        for (const Caption &caption : m_captions)
            caption.set(captionText(caption.id, base));
        m_idiomaCargado = true;
        // The later windows and messages follow; a text the library lacks stays Spanish.
        Texts::setSource(base == Espanol ? Texts::Source{} : m_library.textSource(base));
        // Then Qt's translations: every window retranslates with both sources in the new language.
        Translations::use(base);
    } catch (const RuntimeError &error) {
        m_dialogs.message(kNotAvailable, kTitle, Dialogs::Icon::Information);
        m_idiomaCargado = false;
        m_dialogs.message(QString::number(error.number()) + QStringLiteral("  ") + error.description(),
                          kTitle, Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}

void InterfaceLanguage::ChequearMenu(QAction *cual)
{
    for (QAction *entry : {m_menu.mnuEspanol, m_menu.mnuFrances, m_menu.mnuIngles, m_menu.mnuItaliano})
        entry->setChecked(false);
    cual->setChecked(!cual->isChecked());
}

void InterfaceLanguage::elegir(QAction *entry, int32_t base, const QString &stored)
{
    CargarIdioma(base);
    if (!m_idiomaCargado)
        return;
    QString settings;
    m_profiles.EscribirValorIni(kSection, kKey, stored, settings);
    ChequearMenu(entry);
}

void InterfaceLanguage::mnuEspanol_Click()
{
    elegir(m_menu.mnuEspanol, Espanol, Translations::storedName(Espanol));
}

void InterfaceLanguage::mnuIngles_Click()
{
    elegir(m_menu.mnuIngles, Ingles, Translations::storedName(Ingles));
}

void InterfaceLanguage::mnuItaliano_Click()
{
    elegir(m_menu.mnuItaliano, Italiano, Translations::storedName(Italiano));
}

void InterfaceLanguage::mnuFrances_Click()
{
    elegir(m_menu.mnuFrances, Frances, Translations::storedName(Frances));
}

void InterfaceLanguage::RestaurarIdioma()
{
    m_idiomaCargado = true;
    // The stored choice, or the desktop's language when none is stored.
    const int32_t base = Translations::atStart(m_profiles);
    QAction *entry = m_menu.mnuEspanol;
    if (base == Ingles)
        entry = m_menu.mnuIngles;
    else if (base == Italiano)
        entry = m_menu.mnuItaliano;
    else if (base == Frances)
        entry = m_menu.mnuFrances;
    CargarIdioma(base);
    entry->setChecked(true);
}
