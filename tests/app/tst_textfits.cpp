// Nothing the user must read is cut: the font box's caption, the status line's longest texts and
// the font sample at large sizes, at the collapsed and the expanded width.
#include "FormHarness.h"
#include "StatusHelp.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace {

// Whether `text`, laid out as `label` lays it out, fits the label's contents.
bool fitsLabel(const QLabel &label, const QString &text)
{
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    const QRect needed =
        label.wordWrap() ? metrics.boundingRect(room, Qt::TextWordWrap, text) : metrics.boundingRect(text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// Every help text the status line can show.
QStringList helpTexts(const QWidget &window)
{
    QStringList texts;
    for (const QWidget *control : window.findChildren<QWidget *>())
        for (int width : {frmPrincipal::kCollapsedWidth, frmPrincipal::kExpandedWidth})
            for (const char *size : {"12", "30"})
                if (const auto text = StatusHelp::textFor(control->objectName(), {width, size}))
                    texts << *text;
    texts.removeDuplicates();
    return texts;
}

// The box around the red ink in `image`.
QRect redInk(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100 && c.blue() < 100)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

} // namespace

class TestTextFits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theStatusLineShowsEveryTextWhole()
    {
        FormHarness h([](const AppContext &c) { c.setSetting("Formulario", "Ancho", "6125"); });
        QVERIFY(h.open(0));
        auto *lblEstado = h.w.findChild<QLabel *>("lblEstado");
        QVERIFY(h.w.centralWidget()->rect().contains(lblEstado->geometry()));
        QStringList texts = helpTexts(h.w);
        QVERIFY(texts.contains(" Coordenada horizontal dónde se imprimirá el 3° número"));
        h.w.showPrintedFile(h.tmp.path("Tessarino 2026-12-07 10.15.30 (12).pdf"));
        texts << lblEstado->text();
        for (const QString &text : texts)
            QVERIFY2(fitsLabel(*lblEstado, text), qPrintable(text));
    }

    // The built-in caption and both languages' captions, whichever the window shows.
    void theFontBoxCaptionIsWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("built in") << "Guardar configuración de fuente";
        QTest::newRow("Spanish") << "Guardar configuración actual";
        QTest::newRow("English") << "Save configuration";
    }
    void theFontBoxCaptionIsWhole()
    {
        QFETCH(QString, text);
        FormHarness h([](const AppContext &c) { c.setSetting("Formulario", "Ancho", "8900"); });
        QVERIFY(h.open(0));
        QCheckBox *Check3 = h.check("Check3");
        Check3->setText(text);
        QVERIFY(h.w.centralWidget()->rect().contains(Check3->geometry()));
        // The box asks for no more room than it has, and its caption fits the part beside the mark.
        QVERIFY2(
            Check3->sizeHint().width() <= Check3->width() && Check3->sizeHint().height() <= Check3->height(),
            qPrintable(
                QStringLiteral("%1x%2").arg(Check3->sizeHint().width()).arg(Check3->sizeHint().height())));
        QStyleOptionButton option;
        option.initFrom(Check3);
        option.text = Check3->text();
        const QRect caption = Check3->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, Check3);
        const QRect needed = Check3->fontMetrics().boundingRect(caption, Qt::TextWordWrap, Check3->text());
        QVERIFY(needed.width() <= caption.width() && needed.height() <= caption.height());
    }

    // The pile plan's line on the distinct-number page: whole, inside the page and clear of its
    // other controls, at both widths, for long numbers and for a plan that is not valid.
    void thePilePlanLineIsWhole_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("piles"); // first, last, sheets per pile; one row on
        QTest::addColumn<QString>("shown");
        const QList<std::tuple<const char *, QStringList, QString>> plans{
            {"80 blocks", {"1", "40000", "500"}, "80 bloques de 500 hojas"},
            {"a shorter last block", {"1", "40003", "500"}, "81 bloques de 500 hojas (el último de 3)"},
            {"long numbers",
             {"1", "900719925474099", "999999"},
             "900720827 bloques de 999999 hojas"}, // no room for the last block's size
            {"one huge block", {"1", "9007199254740992", "0"}, "1 bloque de 9007199254740992 hojas"},
            {"no valid depth", {"1", "40000", "x"}, "el plan no es válido"},
        };
        for (int width : {frmPrincipal::kCollapsedWidth, frmPrincipal::kExpandedWidth})
            for (const auto &[name, piles, shown] : plans)
                QTest::addRow("%s, %d", name, width) << width << piles << shown;
    }
    void thePilePlanLineIsWhole()
    {
        QFETCH(int, width);
        QFETCH(QStringList, piles);
        QFETCH(QString, shown);
        FormHarness h(
            [&](const AppContext &c) { c.setSetting("Formulario", "Ancho", QString::number(width)); });
        QVERIFY(h.open(1));
        auto *pilas = h.w.findChild<QDialog *>("frmPilas");
        pilas->findChild<QCheckBox *>("chkPilas")->setChecked(true);
        const char *boxes[] = {"txtPilasDesde", "txtPilasHasta", "txtPilasProfundidad"};
        for (int i = 0; i < 3; ++i)
            pilas->findChild<QLineEdit *>(boxes[i])->setText(piles[i]);

        auto *lblPilas = h.w.findChild<QLabel *>("lblPilas");
        QVERIFY(lblPilas->isVisible());
        QCOMPARE(lblPilas->text(), "En pilas: " + shown);
        QVERIFY2(fitsLabel(*lblPilas, lblPilas->text()), qPrintable(lblPilas->text()));
        const QWidget *page = lblPilas->parentWidget();
        QVERIFY(page->rect().contains(lblPilas->geometry()));
        for (const char *other : {"chVert2", "Command6", "Command7", "Check2_3"})
            QVERIFY2(!lblPilas->geometry().intersects(page->findChild<QWidget *>(other)->geometry()), other);
    }

    void theSampleStaysInsideItsFrame_data()
    {
        QTest::addColumn<QString>("size");
        for (const char *size : {"12", "30", "60", "99"})
            QTest::newRow(size) << size;
    }
    void theSampleStaysInsideItsFrame()
    {
        QFETCH(QString, size);
        FormHarness h;
        QVERIFY(h.open(0));
        h.dialogs.colors.enqueue(255);
        QTest::mouseDClick(h.w.findChild<QLabel *>("PicColor"), Qt::LeftButton);
        h.type("txtTamaño", size);
        auto *Frame4 = h.w.findChild<QGroupBox *>("Frame4");
        auto *Label6 = h.w.findChild<QLabel *>("Label6");
        QCOMPARE(Label6->font().pointSize(), size.toInt()); // the viewer shows the real size

        // The digits are drawn whole, below the frame's top line and inside its sides.
        const QRect ink = redInk(Frame4->grab().toImage());
        QVERIFY(!ink.isEmpty());
        const QRect label = Label6->geometry();
        QVERIFY2(label.adjusted(1, 1, -1, -1).contains(ink), qPrintable(size));
        QStyleOptionGroupBox option;
        option.initFrom(Frame4);
        option.text = Frame4->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect frame =
            Frame4->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, Frame4);
        QVERIFY2(frame.adjusted(2, 2, -2, -2).contains(ink), qPrintable(size));
    }
};

QTEST_MAIN(TestTextFits)
#include "tst_textfits.moc"
