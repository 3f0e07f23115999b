#include "SpanishTexts.h"

#include "CadenasAnadidas.h"
#include "Recursos.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QXmlStreamReader>

namespace {

using namespace LibreriaTessarino::Recursos;

void add(QHash<QString, QString> &texts, const QString &spanish, const QString &english)
{
    // A text written alike in both languages ("Color", "Tessarino") tells nothing.
    if (!spanish.trimmed().isEmpty() && !english.isEmpty() && spanish != english)
        texts.insert(spanish, english);
}

void readTranslations(QHash<QString, QString> &texts)
{
    QFile file(QStringLiteral(TESSARINO_SOURCE_DIR "/translations/tessarino_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s", qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            add(texts, source, xml.readElementText());
    }
}

QString withoutMnemonic(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("&(?=[^&])")), QString());
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The pieces of a text between its %1-style arguments.
QStringList fixedPieces(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%L?[0-9]+|%n"));
    return text.split(argument, Qt::SkipEmptyParts);
}

} // namespace

const QHash<QString, QString> &SpanishTexts::all()
{
    static const QHash<QString, QString> texts = [] {
        QHash<QString, QString> t;
        readTranslations(t);
        for (const auto tabla : tablasAnadidas())
            for (const CadenaAnadida &c : tabla)
                add(t, QString::fromUtf8(c.espanol), QString::fromUtf8(c.ingles));
        for (int id = 1; id < 100; ++id)
            if (const char *spanish = cadena(id))
                if (const char *english = cadena(id + 100))
                    add(t, QString::fromUtf8(spanish), QString::fromUtf8(english));
        return t;
    }();
    return texts;
}

namespace {

// A text of all(), ready for comparing: without its mnemonic, with its fixed pieces long enough to
// be a phrase of their own (never a word both languages share) that its English does not hold.
struct Known
{
    QString spanish;
    QStringList phrases;
};

const QList<Known> &known()
{
    static const QList<Known> texts = [] {
        QList<Known> list;
        for (auto it = SpanishTexts::all().cbegin(); it != SpanishTexts::all().cend(); ++it) {
            Known k{withoutMnemonic(it.key()).trimmed(), {}};
            const QString english = withoutMnemonic(it.value());
            for (const QString &piece : fixedPieces(k.spanish))
                if (piece.trimmed().size() >= 12 && !english.contains(piece.trimmed()))
                    k.phrases << piece.trimmed();
            list << k;
        }
        return list;
    }();
    return texts;
}

} // namespace

bool SpanishTexts::isSpanish(const QString &message)
{
    const QString shown = withoutMnemonic(message).trimmed();
    if (shown.isEmpty())
        return false;
    for (const Known &k : known()) {
        if (shown == k.spanish)
            return true;
        for (const QString &phrase : k.phrases)
            if (shown.contains(phrase))
                return true;
    }
    return false;
}

QStringList SpanishTexts::shownIn(const QObject *root)
{
    QStringList shown;
    const auto look = [&](const QString &text) {
        if (isSpanish(text))
            shown << text;
    };
    QList<const QObject *> objects{root};
    for (QObject *child : root->findChildren<QObject *>())
        objects << child;
    for (const QObject *o : objects) {
        if (const auto *w = qobject_cast<const QWidget *>(o)) {
            look(w->windowTitle());
            look(w->toolTip());
            look(w->statusTip());
            look(w->whatsThis());
            for (const QAction *a : w->actions()) {
                look(a->text());
                look(a->toolTip());
                look(a->statusTip());
            }
        }
        if (const auto *a = qobject_cast<const QAction *>(o)) {
            look(a->text());
            look(a->statusTip());
        }
        if (const auto *b = qobject_cast<const QAbstractButton *>(o))
            look(b->text());
        if (const auto *l = qobject_cast<const QLabel *>(o))
            look(l->text());
        if (const auto *g = qobject_cast<const QGroupBox *>(o))
            look(g->title());
        if (const auto *m = qobject_cast<const QMenu *>(o))
            look(m->title());
        if (const auto *e = qobject_cast<const QLineEdit *>(o))
            look(e->placeholderText());
        if (const auto *e = qobject_cast<const QPlainTextEdit *>(o))
            look(e->placeholderText());
        if (const auto *e = qobject_cast<const QTextEdit *>(o))
            look(e->placeholderText());
        if (const auto *t = qobject_cast<const QTabWidget *>(o))
            for (int i = 0; i < t->count(); ++i)
                look(t->tabText(i));
        if (const auto *c = qobject_cast<const QComboBox *>(o))
            for (int i = 0; i < c->count(); ++i)
                look(c->itemText(i));
        if (const auto *l = qobject_cast<const QListWidget *>(o))
            for (int i = 0; i < l->count(); ++i)
                look(l->item(i)->text());
        if (const auto *t = qobject_cast<const QTableWidget *>(o))
            for (int c = 0; c < t->columnCount(); ++c)
                if (const QTableWidgetItem *header = t->horizontalHeaderItem(c))
                    look(header->text());
    }
    shown.removeDuplicates();
    return shown;
}
