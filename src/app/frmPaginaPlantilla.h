#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;

// Asks which page of a template of several pages goes under the numbers.
class frmPaginaPlantilla final : public QDialog
{
    Q_OBJECT

public:
    // With `path`, the chosen page's picture shows beside its number.
    frmPaginaPlantilla(const QString &fileName, int pages, int current, QWidget *owner,
                       const QString &path = QString());

    int page() const;

    QLabel *lblPregunta = nullptr;
    QSpinBox *txtPagina = nullptr;
    QLabel *imgPagina = nullptr; // the chosen page, small

private:
    void showPage(const QString &path);
};
