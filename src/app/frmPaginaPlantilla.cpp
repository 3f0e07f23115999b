#include "frmPaginaPlantilla.h"

#include "Logging.h"
#include "TemplateImage.h"
#include "Texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

frmPaginaPlantilla::frmPaginaPlantilla(const QString &fileName, int pages, int current, QWidget *owner,
                                       const QString &path)
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
    auto *chooser = new QHBoxLayout;
    chooser->addWidget(txtPagina, 0, Qt::AlignTop);
    imgPagina = new QLabel(this);
    imgPagina->setObjectName(QStringLiteral("imgPagina"));
    imgPagina->setFixedSize(160, 200);
    imgPagina->setAlignment(Qt::AlignCenter);
    imgPagina->setFrameShape(QFrame::Box);
    chooser->addWidget(imgPagina);
    layout->addLayout(chooser);
    layout->addWidget(buttons);
    imgPagina->setVisible(!path.isEmpty());
    if (!path.isEmpty()) {
        connect(txtPagina, &QSpinBox::valueChanged, this, [this, path] { showPage(path); });
        showPage(path);
    }
}

void frmPaginaPlantilla::showPage(const QString &path)
{
    QString problem;
    // Small enough to render at once: 18 dpi puts an A4 page in about 150 x 210 pixels.
    const QImage picture = PdfTemplates::image({path, txtPagina->value()}, 18, &problem);
    if (picture.isNull()) {
        qCWarning(lcPrint).noquote() << "No picture of the template's page" << txtPagina->value() << ":"
                                     << problem;
        imgPagina->setPixmap(QPixmap());
        imgPagina->setText(problem);
        return;
    }
    imgPagina->setPixmap(QPixmap::fromImage(
        picture.scaled(imgPagina->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

int frmPaginaPlantilla::page() const
{
    return txtPagina->value();
}
