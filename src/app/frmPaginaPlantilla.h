#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;

// Asks which page of a template of several pages goes under the numbers.
class frmPaginaPlantilla final : public QDialog
{
    Q_OBJECT

public:
    frmPaginaPlantilla(const QString &fileName, int pages, int current, QWidget *owner);

    int page() const;

    QLabel *lblPregunta = nullptr;
    QSpinBox *txtPagina = nullptr;
};
