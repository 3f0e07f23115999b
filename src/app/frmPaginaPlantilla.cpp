#include "frmPaginaPlantilla.h"

#include "Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

frmPaginaPlantilla::frmPaginaPlantilla(const QString &fileName, int pages, int current, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPaginaPlantilla"));
    setWindowTitle(QStringLiteral("Página de la plantilla"));
    Texts::bindTitle(this, 5013);
    lblPregunta = new QLabel(this);
    lblPregunta->setObjectName(QStringLiteral("lblPregunta"));
    lblPregunta->setWordWrap(true);
    lblPregunta->setMinimumWidth(300);
    Texts::follow(
        this, [this, fileName, pages] { lblPregunta->setText(Texts::text(5014).arg(fileName).arg(pages)); });
    txtPagina = new QSpinBox(this);
    txtPagina->setObjectName(QStringLiteral("txtPagina"));
    txtPagina->setRange(1, pages);
    txtPagina->setValue(qBound(1, current, pages));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPregunta);
    layout->addWidget(txtPagina);
    layout->addWidget(buttons);
}

int frmPaginaPlantilla::page() const
{
    return txtPagina->value();
}
