#include "FontPanel.h"

#include "Dialogs.h"
#include "ProfileFiles.h"
#include "VbColor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

FontPanel::FontPanel(const Controls &controls, const ProfileFiles &profiles, Dialogs &dialogs,
                     std::function<void()> modified, QObject *parent)
    : QObject(parent), m_ui(controls), m_profiles(profiles), m_dialogs(dialogs),
      m_modified(std::move(modified))
{
    setColor(0);
    if (const auto size = FontSettings::sampleSize(m_ui.txtTamano->text())) {
        QFont font = m_ui.Label6->font();
        font.setPointSize(*size);
        m_ui.Label6->setFont(font);
    }
    connect(m_ui.cboFuentes, &QComboBox::currentIndexChanged, this, &FontPanel::cboFuentes_Click);
    connect(m_ui.txtTamano, &QLineEdit::textChanged, this, &FontPanel::txtTamano_Change);
    // toggled, not clicked: the menu entry and the restore command set the box too.
    connect(m_ui.Check3, &QCheckBox::toggled, this, &FontPanel::Check3_Click);
    m_ui.PicColor->installEventFilter(this);
}

void FontPanel::LlenarFuentes(QComboBox *list)
{
    list->clear();
    list->addItems(FontSettings::installedFamilies());
}

void FontPanel::selectFont(int index)
{
    if (index >= m_ui.cboFuentes->count())
        return;
    // Choosing the entry already shown is still a choice: the sample takes the font again.
    if (m_ui.cboFuentes->currentIndex() == index)
        cboFuentes_Click();
    else
        m_ui.cboFuentes->setCurrentIndex(index);
}

void FontPanel::cboFuentes_Click()
{
    QFont font = m_ui.Label6->font();
    font.setFamilies({m_ui.cboFuentes->currentText()});
    font.setItalic(false);
    m_ui.Label6->setFont(font);
    m_modified();
}

void FontPanel::txtTamano_Change()
{
    m_modified();
    // Any other text waits for the print run to refuse it.
    if (const auto size = FontSettings::sampleSize(m_ui.txtTamano->text())) {
        QFont font = m_ui.Label6->font();
        font.setPointSize(*size);
        m_ui.Label6->setFont(font);
    }
}

int32_t FontPanel::color() const
{
    return VbColor::fromQColor(m_ui.PicColor->palette().color(QPalette::Window));
}

void FontPanel::setColor(int32_t color)
{
    const QColor rgb = VbColor::toQColor(color);
    QPalette swatch = m_ui.PicColor->palette();
    swatch.setColor(QPalette::Window, rgb);
    m_ui.PicColor->setPalette(swatch);
    QPalette sample = m_ui.Label6->palette();
    sample.setColor(QPalette::WindowText, rgb);
    m_ui.Label6->setPalette(sample);
}

void FontPanel::PicColor_DblClick()
{
    // The dialog's colour counts however the dialog was closed.
    setColor(m_dialogs.chooseColor());
    m_modified();
}

void FontPanel::buscarFuentes(const QString &quefuente)
{
    if (FontSettings::isNumericName(quefuente)) {
        selectFont(0);
        return;
    }
    // Names stored by earlier versions may carry a foundry tag; the list holds plain names.
    const QString family = FontSettings::withoutFoundry(quefuente);
    for (int i = 0; i < m_ui.cboFuentes->count(); ++i) {
        if (m_ui.cboFuentes->itemText(i) == family) {
            selectFont(i);
            return;
        }
    }
    selectFont(0);
    m_dialogs.message(FontSettings::notFoundMessage(quefuente, m_ui.cboFuentes->itemText(0)),
                      QStringLiteral("Tessarino"), Dialogs::Icon::Information);
    selectFont(0);
}

bool FontPanel::DatosFuentes(const QString &queRuta)
{
    const FontSettings::Stored stored = FontSettings::read(m_profiles, queRuta);
    // A file without a font keeps the window's font as it is (no not-found message for "Vacio").
    const auto color = FontSettings::colorFromText(stored.color);
    if (!color)
        return false;
    setColor(*color);
    m_ui.txtTamano->setText(stored.size);
    buscarFuentes(stored.name);
    const auto size = FontSettings::sampleSize(m_ui.txtTamano->text());
    if (!size)
        return false;
    QFont font = m_ui.Label6->font();
    font.setPointSize(*size);
    m_ui.Label6->setFont(font);
    return true;
}

FontSettings::Stored FontPanel::current() const
{
    return {FontSettings::colorToText(color()), m_ui.txtTamano->text(), m_ui.cboFuentes->currentText()};
}

void FontPanel::EscribirValores(const QString &queNombre)
{
    FontSettings::write(m_profiles, queNombre,
                        m_ui.Check3->isChecked() ? current() : FontSettings::defaults());
}

void FontPanel::Check3_Click()
{
    if (m_ui.Check3->isChecked())
        EscribirValores(QString());
    QString settings;
    m_profiles.EscribirValorIni(FontSettings::kSaveSection, FontSettings::kSaveKey,
                                m_ui.Check3->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                                settings);
}

void FontPanel::showSavedFlag(bool set)
{
    const QSignalBlocker quiet(m_ui.Check3);
    m_ui.Check3->setChecked(set);
}

void FontPanel::cmdRestaurar_Click()
{
    m_ui.Check3->setChecked(false);
    setColor(0);
    m_ui.txtTamano->setText(QStringLiteral("12"));
    selectFont(0);
    m_modified();
}

bool FontPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.PicColor && event->type() == QEvent::MouseButtonDblClick) {
        PicColor_DblClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
