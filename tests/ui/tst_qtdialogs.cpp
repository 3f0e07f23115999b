// The message box of a choice as the user meets it: after a cancelled run the box opens where the
// progress window's "Cancelar" stood, so Return and a second click must not pick "Continuar".
#include "QtDialogs.h"
#include "Translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

enum class Act { Return, Escape, ClickAtOnce, ClickAfterAMoment };

struct Seen
{
    QString defaultButton;
    bool enabledAtOnce = true;
    bool openAfterAct = false;
};

QPushButton *button(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *b : box->buttons())
        if (b->text() == text)
            return static_cast<QPushButton *>(b);
    return nullptr;
}

// Shows the choice "Continuar" / "Aceptar", does `act` on it and returns the answer.
int choose(Act act, Seen &seen)
{
    QtDialogs dialogs;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QPushButton *continuar = button(box, QStringLiteral("Continuar"));
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text();
        seen.enabledAtOnce = continuar->isEnabled();
        switch (act) {
        case Act::Return:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Act::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Act::ClickAtOnce:
            QTest::mouseClick(continuar, Qt::LeftButton);
            QTest::mouseDClick(continuar, Qt::LeftButton);
            break;
        case Act::ClickAfterAMoment:
            // Clicked either way: a button that never comes on shows in the answer.
            if (!QTest::qWaitFor([&] { return continuar->isEnabled(); }, 5 * QtDialogs::kDeliberateMs))
                qWarning("Continuar never came on");
            QTest::mouseClick(continuar, Qt::LeftButton);
            break;
        }
        seen.openAfterAct = box->isVisible();
        if (seen.openAfterAct)
            box->reject(); // the test goes on; the answer is then the harmless one
    });
    return dialogs.choose(QStringLiteral("Impresión cancelada en la hoja 12 de 40."),
                          QStringLiteral("Tessarino"), Dialogs::Icon::Information,
                          {QStringLiteral("Continuar"), QStringLiteral("Aceptar")});
}

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyADeliberateClickContinues_data()
    {
        QTest::addColumn<int>("act");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("openAfterAct");
        QTest::newRow("Return") << int(Act::Return) << 1 << false;
        QTest::newRow("Escape") << int(Act::Escape) << 1 << false;
        QTest::newRow("clicks as it opens") << int(Act::ClickAtOnce) << 1 << true;
        QTest::newRow("a click after a moment") << int(Act::ClickAfterAMoment) << 0 << false;
    }
    void onlyADeliberateClickContinues()
    {
        QFETCH(int, act);
        QFETCH(int, answer);
        QFETCH(bool, openAfterAct);
        Seen seen;
        QCOMPARE(choose(Act(act), seen), answer);
        QCOMPARE(seen.defaultButton, QStringLiteral("Aceptar"));
        QVERIFY(!seen.enabledAtOnce);
        QCOMPARE(seen.openAfterAct, openAfterAct);
    }

    // The buttons of a message are in the language chosen.
    void messageButtonsFollowTheLanguage_data()
    {
        using namespace Translations::Language;
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("OK") << int(Espanol) << int(Dialogs::Buttons::Ok) << QStringList{"Aceptar"};
        QTest::newRow("OK in English") << int(Ingles) << int(Dialogs::Buttons::Ok) << QStringList{"OK"};
        QTest::newRow("OK/Cancel in English")
            << int(Ingles) << int(Dialogs::Buttons::OkCancel) << QStringList{"Cancel", "OK"};
        QTest::newRow("Yes/No/Cancel")
            << int(Espanol) << int(Dialogs::Buttons::YesNoCancel) << QStringList{"&No", "&Sí", "Cancelar"};
        QTest::newRow("Yes/No/Cancel in English")
            << int(Ingles) << int(Dialogs::Buttons::YesNoCancel) << QStringList{"&No", "&Yes", "Cancel"};
    }
    void messageButtonsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(int, buttons);
        QFETCH(QStringList, texts);
        Translations::use(language);
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (const QAbstractButton *b : box->buttons())
                shown << b->text();
            box->reject();
        });
        QtDialogs().message(QStringLiteral("Tessarino"), QStringLiteral("Tessarino"),
                            Dialogs::Icon::Information, Dialogs::Buttons(buttons));
        Translations::use(Translations::Language::Espanol);
        shown.sort();
        QCOMPARE(shown, texts);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
