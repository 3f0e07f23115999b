#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>

class ProfileFiles;
struct ProfileValue;
class QAction;
class QMenu;

// The last saved job documents at the end of the File menu, kept in the settings file under
// "Recientes"/"1" to "5" with their number under "Numero Recientes"/"Cantidad".
//
// The keys are the record; the count only follows them. A count that is not a number, out of
// range or out of step with the keys (a settings file edited by hand) never makes an addition
// overwrite a listed document: an addition takes the first empty key, and only a list whose five
// keys are all filled lets its oldest entry go.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMax = 5;
    // About how many characters of a path a menu entry shows before it drops the middle.
    static constexpr int kCaptionChars = 60;
    static inline const QString kSeccion = QStringLiteral("Recientes");
    static inline const QString kSeccionCantidad = QStringLiteral("Numero Recientes");
    static inline const QString kCantidad = QStringLiteral("Cantidad");

    // `mnuRecentFile0` is the separator that the entries follow; `open` opens a listed path.
    RecentFiles(QMenu *mnuarchivo, QAction *mnuRecentFile0, const ProfileFiles &profiles,
                std::function<void(const QString &)> open, QObject *parent);

    // Element i stands for key i; element 0 is the separator. Elements are made when first needed.
    std::array<QAction *, kMax + 1> mnuRecentFile{};

    // The menu as the settings file has it: one entry per filled key, gaps left as gaps.
    void build();

    // Records `current` after a save.
    void REcientes(const QString &current);
    // Whether `current` is the value of one of the keys (exact, case counts).
    bool EstaEnRecientes(const QString &current) const;
    // On a full list: `current` first, the others one down, the fifth gone.
    void OrdenarRecientes(const QString &current);

    void mnulimpiarrecientes_Click();
    void mnuRecentFile_Click(int index);

    // The path element i stands for; empty when it is hidden or not made.
    QString path(int index) const;

private:
    QStringList stored() const; // the five keys, "" for missing or empty
    static bool listedIn(const QStringList &values, const QString &current);
    QAction *element(int index);
    void show(int index, const QString &path);
    void write(const QList<ProfileValue> &values) const;

    QMenu *m_menu;
    const ProfileFiles &m_profiles;
    std::function<void(const QString &)> m_open;
};
