// Qt's own dialogs and buttons speak the program's language.
#include "QtTranslations.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestQtTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardDialogsAndButtonsAreSpanish()
    {
        QVERIFY(loadQtTranslations(*qApp));

        QColorDialog colour;
        QCOMPARE(colour.windowTitle(), QStringLiteral("Selecciona color"));
        const auto *buttons = colour.findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("Aceptar"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));

        QMessageBox question(QMessageBox::Question, QStringLiteral("Tessarino"), QString(),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Sí"));
        QCOMPARE(question.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
    }
};

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
