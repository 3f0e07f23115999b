#include "RecentFiles.h"

#include "Logging.h"
#include "ProfileFiles.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QMenu>

RecentFiles::RecentFiles(QMenu *mnuarchivo, QAction *mnuRecentFile0, const ProfileFiles &profiles,
                         std::function<void(const QString &)> open, QObject *parent)
    : QObject(parent), m_menu(mnuarchivo), m_profiles(profiles), m_open(std::move(open))
{
    mnuRecentFile[0] = mnuRecentFile0;
}

QStringList RecentFiles::stored() const
{
    QStringList values;
    for (int i = 1; i <= kMax; ++i) {
        QString file;
        const QString value = m_profiles.LeerValorIni(kSeccion, QString::number(i), file);
        values << (value == ProfileFiles::Vacio ? QString() : value);
    }
    return values;
}

void RecentFiles::write(const QList<ProfileValue> &values) const
{
    // A settings file that cannot be written loses the list at the next start; this run's menu
    // keeps it.
    QString file;
    QString reason;
    if (!m_profiles.EscribirValoresIni(values, file, &reason))
        qCWarning(lcFiles).noquote() << QStringLiteral("Recent files not saved in %1: %2").arg(file, reason);
}

QAction *RecentFiles::element(int index)
{
    if (!mnuRecentFile[index]) {
        auto *entry = new QAction(m_menu);
        entry->setObjectName(QStringLiteral("mnuRecentFile_%1").arg(index));
        connect(entry, &QAction::triggered, this, [this, index] { mnuRecentFile_Click(index); });
        // In index order, whichever elements exist already.
        QAction *before = nullptr;
        for (int later = index + 1; later <= kMax && !before; ++later)
            before = mnuRecentFile[later];
        m_menu->insertAction(before, entry);
        mnuRecentFile[index] = entry;
    }
    return mnuRecentFile[index];
}

void RecentFiles::show(int index, const QString &path)
{
    QAction *entry = element(index);
    entry->setData(path);
    // The caption is the number, "-" and the path; a long path loses its middle, so that the menu
    // keeps a menu's width and the shortcuts in sight, and the status help and tool tip show it
    // whole. A "&" in a name is shown, not taken for an access key.
    const QFontMetrics metrics(m_menu->font());
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                             kCaptionChars * metrics.averageCharWidth());
    entry->setText(QString::number(index) + u'-' + QString(shown).replace(u'&', QLatin1String("&&")));
    entry->setStatusTip(QDir::toNativeSeparators(path));
    entry->setToolTip(QDir::toNativeSeparators(path));
    m_menu->setToolTipsVisible(true);
    entry->setVisible(true);
}

QString RecentFiles::path(int index) const
{
    const QAction *entry = index >= 1 && index <= kMax ? mnuRecentFile[index] : nullptr;
    return entry && entry->isVisible() ? entry->data().toString() : QString();
}

void RecentFiles::build()
{
    const QStringList values = stored();
    for (int i = 1; i <= kMax; ++i)
        if (!values[i - 1].isEmpty())
            show(i, values[i - 1]);
}

bool RecentFiles::EstaEnRecientes(const QString &current) const
{
    return listedIn(stored(), current);
}

bool RecentFiles::listedIn(const QStringList &values, const QString &current)
{
    // A path longer than a value can be read back is known by what comes back of it, so that
    // saving it again does not list it once more.
    return values.contains(current.left(ProfileFiles::MaxValueLength), Qt::CaseSensitive);
}

void RecentFiles::REcientes(const QString &current)
{
    if (current.isEmpty())
        return;
    const QStringList values = stored();
    const qsizetype free = values.indexOf(QString());
    if (listedIn(values, current)) {
        // Listed already: a full list brings it to the top (its old entry moves down with the
        // rest); a list with room keeps every entry where it is, this one included.
        if (free < 0)
            OrdenarRecientes(current);
        return;
    }
    if (free < 0) {
        OrdenarRecientes(current);
        write({{kSeccionCantidad, kCantidad, QString::number(kMax)}});
        return;
    }
    const int index = int(free) + 1;
    show(index, current);
    write({{kSeccionCantidad, kCantidad, QString::number(kMax - values.count(QString()) + 1)},
           {kSeccion, QString::number(index), current}});
}

void RecentFiles::OrdenarRecientes(const QString &current)
{
    const QStringList values = stored();
    QList<ProfileValue> moved;
    // Each key takes the value of the one above it, read before it is overwritten.
    for (int k = kMax; k >= 2; --k)
        moved.append({kSeccion, QString::number(k), values[k - 2]});
    moved.append({kSeccion, QString::number(1), current});
    write(moved);
    show(1, current);
    for (int k = 2; k <= kMax; ++k) {
        if (!values[k - 2].isEmpty())
            show(k, values[k - 2]);
        else if (mnuRecentFile[k])
            mnuRecentFile[k]->setVisible(false);
    }
}

void RecentFiles::mnulimpiarrecientes_Click()
{
    const QStringList values = stored();
    QList<ProfileValue> cleared;
    for (int i = 1; i <= kMax; ++i) {
        if (QAction *entry = mnuRecentFile[i]) {
            // Kept, hidden, for the next addition.
            entry->setText(QString());
            entry->setData(QString());
            entry->setStatusTip(QString());
            entry->setToolTip(QString());
            entry->setVisible(false);
        }
        if (mnuRecentFile[i] || !values[i - 1].isEmpty())
            cleared.append({kSeccion, QString::number(i), QString()});
    }
    cleared.append({kSeccionCantidad, kCantidad, QStringLiteral("0")});
    write(cleared);
}

void RecentFiles::mnuRecentFile_Click(int index)
{
    const QString listed = path(index);
    if (!listed.isEmpty() && m_open)
        m_open(listed);
}
