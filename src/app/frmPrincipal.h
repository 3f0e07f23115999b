#pragma once

#include "AppContext.h"
#include "DistinctNumberRun.h"
#include "SameNumberRun.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <span>

class DocumentCommands;
class FontPanel;
class frmFormatos;
class frmPilas;
class SetsBoxes;
class RunHistory;
class ShopTools;
class LastPrint;
class Notes;
class RecentFiles;
class TemplateMenu;
struct JobControls;
class InterfaceLanguage;
class QCheckBox;
class QTimer;
class QKeyEvent;
class QLineEdit;

namespace Ui {
class frmPrincipal;
}

// The main window: both numbering pages, the font panel, the status row and the menus.
// Handlers keep the classic control-and-event names and hand the rules to the engine.
class frmPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmPrincipal(AppContext &context, QWidget *parent = nullptr);
    ~frmPrincipal() override;

    // The job changed since it was loaded or saved.
    bool JobModified = false;
    // hasta(0) - desde(0) of the distinct-number page.
    double FirstRowSpan = 0;
    // The page of SSTab1 that is showing.
    float ActivePage = 0;
    // Folder of job documents.
    QString CarpetaTrabajos;
    // The advanced (font) area is shown.
    bool Desplegado = false;
    // The last caption load succeeded.
    bool IdiomaCargado = false;

    // Window width in twips, frame included, as stored under "Formulario"/"Ancho".
    int Width() const { return m_widthTwips; }
    static constexpr int kFrameTwips = 120;
    static constexpr int kBuiltInWidth = 8730 + kFrameTwips;
    static constexpr int kCollapsedWidth = 6125;
    static constexpr int kExpandedWidth = 8900;

    SameNumberJob sameNumberJob() const;
    DistinctNumberJob distinctNumberJob() const;
    // The font panel's choice: name, size text and the swatch's colour.
    FontChoice fontChoice() const;
    int32_t fontColor() const;

    // Tells the user where the built-in PDF printer put a finished document.
    void showPrintedFile(const QString &pdfFile);

    // Makes `page` the one page of SSTab1 the user can choose, and shows it.
    void setAvailablePage(int page);

    void cmdImprimir_Click();
    // Calibration prints and the printer setup dialog (frmPrincipalPrinter.cpp).
    void Command2_Click();
    void Command3_Click();
    void impConfigurar_Click();
    void impCalibrar_Click();
    // "Vista previa" (frmPrincipalPreview.cpp): the job's sheets on the current printer's paper.
    void mnuVistaPrevia_Click();
    void Command4_Click();
    void Timer1_Timer();
    void Command6_Click();
    // Shows the about box and waits until it closes.
    void mnuAcerca_Click();

    // Font panel. An empty path means the settings file.
    void DatosFuentes(const QString &queRuta);
    void EscribirValores(const QString &queNombre);
    void buscarFuentes(const QString &quefuente);
    void PicColor_DblClick();
    void cmdRestaurar_Click();
    void mnucolor_Click();
    void mnutamano_Click();
    void mnutipo_Click();
    void mnuguardarconfig_Click();
    // Opens the full-size viewer from 28 points on and waits until it closes.
    void Label6_DblClick();

    // Bulk edit: a `preg` of 6 counts as the Yes answer and skips the question.
    void Chequear(QWidget *formulario, float preg = 0);
    void Limpiar_Click(float preg);

    // The job document: New, Open, Save, the caption and the document's name.
    DocumentCommands &documents() const { return *m_documents; }
    // The note of the current document, and the recent-files list of the File menu.
    Notes &notes() const { return *m_notes; }
    // The run log: every run printed from the window, the log window and reprints.
    RunHistory &history() const { return *m_history; }
    RecentFiles &recentFiles() const { return *m_recent; }

Q_SIGNALS:
    // The window unloaded: the program ends.
    void unloaded();
    // "No" to the close question: the program ends at once, without unloading (so the font
    // settings are not written).
    void endedAtOnce();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Initialize();
    void Form_Load();
    void Form_Unload();
    void setWidthTwips(int twips);
    void setUpFontPanel();
    void setUpDocuments();
    void setUpNumberFormats();
    void setUpNotesAndRecentFiles();
    void recordLastPrint(RunOutcome outcome, int page);
    void setUpLanguage();
    void loadFontSettings();
    void RestaurarIdioma();
    void setUpStatusRow();
    void tmrReloj_Timer();
    void showAdvancedArea();
    void disableUnbuiltEntries();
    void connectPrinterEntries();
    void connectPreview();
    void setUpTemplate();
    void bindControlArrays();
    void connectPage0();
    void connectPages();
    void connectInputRules();
    void setOrientationFromBox(QCheckBox *box);
    void SSTab1_Click(int page);
    static void SelecionarTexto(QLineEdit *box);

    // Input rules, one handler per control array and event.
    bool filterNumberKey(QLineEdit *box, QKeyEvent *key);
    void Check1_Click(int Index);
    void Check2_Click(int Index);
    void enableChain(std::span<QCheckBox *const> boxes, int index, int ref);
    void ChequearControl(QCheckBox *queControl, int queIndex, int ref);
    void hasta_GotFocus(int Index);
    void hasta_LostFocus(int Index);
    void txtPosX_LostFocus(int Index);
    void txtPosY_LostFocus(int Index);
    // The rules of leaving a box (row count, printable area); other boxes have none.
    bool hasLeaveRule(const QObject *box) const;
    bool isMenuShortcut(const QKeyEvent *key) const;
    void leaveBox(const QObject *box);

    AppContext &m_context;
    std::unique_ptr<Ui::frmPrincipal> ui;
    int m_widthTwips = kBuiltInWidth;
    QTimer *Timer1 = nullptr;
    QTimer *tmrReloj = nullptr;
    FontPanel *m_fonts = nullptr;
    frmPilas *m_pilas = nullptr;
    TemplateMenu *m_template = nullptr;
    SetsBoxes *m_juegos = nullptr;
    RunHistory *m_history = nullptr;
    ShopTools *m_shop = nullptr; // replacements, pile plan, the summary before long runs
    frmFormatos *m_formatos = nullptr;
    std::unique_ptr<JobControls> m_job;
    DocumentCommands *m_documents = nullptr;
    std::unique_ptr<LastPrint> m_lastPrint;
    InterfaceLanguage *m_language = nullptr;
    Notes *m_notes = nullptr;
    RecentFiles *m_recent = nullptr;
    bool m_puttingBack = false; // a disable box is being checked again by the enable chain
    QPointer<QLineEdit> m_leftForMenus; // the box the menu bar took the focus from
    QMetaObject::Connection m_focusWatch;

public:
    // Control arrays, filled once from the form.
    std::array<QLineEdit *, 6> txtPosX{};
    std::array<QLineEdit *, 6> txtPosY{};
    std::array<QCheckBox *, 6> Check1{};
    std::array<QLineEdit *, 4> desde{};
    std::array<QLineEdit *, 4> hasta{};
    std::array<QLineEdit *, 4> posX{};
    std::array<QLineEdit *, 4> posY{};
    std::array<QCheckBox *, 4> Check2{};
};
