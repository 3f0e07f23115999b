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
class JobDocument;
class frmFormatos;
class frmPilas;
class SetsBoxes;
class RunHistory;
class ShopTools;
class LastPrint;
class RecentFiles;
struct JobControls;
class InterfaceLanguage;
class QCheckBox;
class QTimer;
class QKeyEvent;
class QLineEdit;

namespace Ui {
class frmPrincipal;
}

// The main window: both numbering pages, the font panel, the status row and the menus. It wires
// the form's controls to the folders that own the rules; its own state is the few values below
// that no control shows. The form keeps the classic control names as objectNames
// (docs/glossary.md maps them, and the classic handler names, to the handlers here).
class frmPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmPrincipal(AppContext &context, QWidget *parent = nullptr);
    ~frmPrincipal() override;

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

    // The job document: New, Open, Save, the questions and the document's name.
    JobDocument &documents() const;
    // The document's part of the window: the caption, the file information, the busy animation.
    DocumentCommands &documentCommands() const { return *m_documents; }

Q_SIGNALS:
    // The window unloaded: the program ends.
    void unloaded();
    // "No" to the close question: the program ends at once, without unloading (so the font
    // settings are not written).
    void endedAtOnce();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A change of language retranslates the form's own texts (the library's captions and the
    // bound ones follow by themselves) and the status line's text.
    void changeEvent(QEvent *event) override;

private:
    // Tests read and set the state below through it (tests/app/WindowProbe.h).
    friend class WindowProbe;

    // Whether a bulk edit asks before it changes the job.
    enum class Ask { First, Not };

    // Creation and unload (frmPrincipalLifecycle.cpp).
    void restoreWidthAndPage();
    void loadSettingsAndDocument();
    void unload();
    void setWidthTwips(int twips);
    bool advancedAreaShown() const;
    void disableUnbuiltEntries();
    void endStartUpChanges();
    void toggleAdvancedArea();
    void showAbout();

    // The pages and their input rules (frmPrincipal.cpp).
    void bindControlArrays();
    void connectPage0();
    void connectPages();
    void connectInputRules();
    void pageShown(int page);
    void setOrientationFromBox(QCheckBox *box);
    static void selectWholeText(QLineEdit *box);
    bool filterNumberKey(QLineEdit *box, QKeyEvent *key);
    void positionSwitched(int index);
    void rowSwitched(int index);
    void enableChain(std::span<QCheckBox *const> boxes, int index, bool positions);
    void enableBoxesOf(QCheckBox *offBox, int index, bool positions);
    void enterRowEnd(int row);
    void leaveRowEnd(int row);
    void leavePositionX(int index);
    void leavePositionY(int index);
    // The rules of leaving a box (row count, printable area); other boxes have none.
    bool hasLeaveRule(const QObject *box) const;
    bool isMenuShortcut(const QKeyEvent *key) const;
    void leaveBox(const QObject *box);
    void checkAllBoxes(Ask ask);
    void clearAllBoxes(Ask ask);
    void printSameNumbers();
    void printDistinctNumbers();

    // Documents, notes, recent files and the last print (frmPrincipalDocuments.cpp).
    void setUpDocuments();
    void setUpNumberFormats();
    void setUpNotesAndRecentFiles();
    void recordLastPrint(RunOutcome outcome, int page, const SameNumberJob &same,
                         const DistinctNumberJob &distinct);
    void reloadLastSameNumberPrint();
    void reloadLastDistinctNumberPrint();

    // Font panel, sample viewer and status row (frmPrincipalFonts.cpp).
    void setUpFontPanel();
    void loadFontSettings();
    void showAreaAndChooseColour();
    void showAreaAndFocusSize();
    void showAreaAndFocusFont();
    void keepFontSettings();
    void showSampleFullSize();
    void setUpStatusRow();
    void showTime();

    // Printer entries and preview (frmPrincipalPrinter.cpp, frmPrincipalPreview.cpp).
    void connectPrinterEntries();
    void printGridSheet();
    void printRectangleSheet();
    void openPrinterSetup();
    void calibratePrinter();
    void connectPreview();
    void showPreview();

    void setUpLanguage();
    void setUpTemplate();
    void showPrintedFileName();

    AppContext &m_context;
    std::unique_ptr<Ui::frmPrincipal> ui;

    // The job changed since it was loaded or saved.
    bool m_jobModified = false;
    // hasta(0) - desde(0) of the distinct-number page, as the row rules last saw it.
    double m_firstRowSpan = 0;
    // The last caption load succeeded.
    bool m_languageLoaded = false;
    int m_widthTwips = kBuiltInWidth;
    QString m_printedFile; // the last PDF the built-in printer wrote, as the status line names it
    QString m_printedFileText;

    QTimer *m_startUpSettle = nullptr;
    QTimer *m_clock = nullptr;
    FontPanel *m_fonts = nullptr;
    frmPilas *m_pilas = nullptr;
    SetsBoxes *m_juegos = nullptr;
    RunHistory *m_history = nullptr;
    ShopTools *m_shop = nullptr; // replacements, pile plan, the summary before long runs
    frmFormatos *m_formatos = nullptr;
    // The job's controls, the control arrays among them (txtPosX[i] is txtPosX_i of the form),
    // filled once from the form.
    std::unique_ptr<JobControls> m_job;
    DocumentCommands *m_documents = nullptr;
    std::unique_ptr<LastPrint> m_lastPrint;
    InterfaceLanguage *m_language = nullptr;
    RecentFiles *m_recent = nullptr;
    bool m_puttingBack = false;         // a disable box is being checked again by the enable chain
    QPointer<QLineEdit> m_leftForMenus; // the box the menu bar took the focus from
    QMetaObject::Connection m_focusWatch;
};
