#include "Form1.h"

#include "DesktopIntegration.h"
#include "Logging.h"
#include "NumberText.h"
#include "cRegistro.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The platform's short form of a path held at most 255 characters.
constexpr qsizetype kMaxShortPath = 255;
} // namespace

Form1::Form1(const Paths &paths, QString programFile, QWidget *parent)
    : QWidget(parent), m_paths(paths), m_programFile(std::move(programFile))
{
    setWindowTitle(QStringLiteral("Form1"));
    auto *form = new QFormLayout(this);
    const auto box = [&](const char *name, const QString &text, const QString &label) {
        auto *edit = new QLineEdit(text, this);
        edit->setObjectName(QLatin1String(name));
        form->addRow(new QLabel(label, this), edit);
        return edit;
    };
    txtExtension = box("txtExtension", QStringLiteral(".Trv"), QStringLiteral("Extension ( .exe)"));
    txtClave = box("txtClave", QStringLiteral("TrvArchivo"), QStringLiteral("Clave (exefile)"));
    txtDescripcion =
        box("txtDescripcion", QStringLiteral("Archivo de tessarino"), QStringLiteral("Descripcion"));
    txtComando = box("txtComando", QStringLiteral("Abrir"), QStringLiteral("Comando (abrir)"));
    txtIcono = box("txtIcono", QStringLiteral("2"), QStringLiteral("Icono (0)"));
    auto *buttons = new QHBoxLayout;
    auto *command1 = new QPushButton(QStringLiteral("Asignar"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    auto *command2 = new QPushButton(QStringLiteral("Command2"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    form->addRow(buttons);
    connect(command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

QString Form1::programPath(const QString &folder, const QString &programFile)
{
    return folder.endsWith(u'/') ? folder + programFile : folder + u'/' + programFile;
}

bool Form1::Command1_Click()
{
    const QString program = programPath(m_paths.programFolder, m_programFile);
    const cRegistro registro(m_paths.registryStore);
    constexpr uint32_t root = cRegistro::HKEY_CLASSES_ROOT;
    constexpr int32_t text = cRegistro::TIPO_STRING;
    const QString extension = txtExtension->text();
    const QString description = txtDescripcion->text();
    const QString verb = txtComando->text();
    bool done = true;

    // An extension already registered keeps its type; this registration adds to that type.
    // An empty class reads as none, so that nothing is ever written at the top of the root.
    QString clase = registro.QueryValue(root, extension, QString()).toString();
    if (clase.isEmpty() && !extension.isEmpty()) {
        done = registro.SetValue(root, extension, QString(), txtClave->text(), text);
        clase = txtClave->text();
    }
    if (clase.isEmpty() || extension.isEmpty()) {
        close();
        return false;
    }
    // There are no short names here; the one form of the path is its short form.
    const QString shortPath = program.size() <= kMaxShortPath ? program : QString();
    done &= registro.SetValue(root, clase, QString(), description, text);
    done &= registro.SetValue(root, clase + QStringLiteral("\\Shell\\") + verb, QString(), verb, text);
    done &= registro.SetValue(root, clase + QStringLiteral("\\Shell\\") + verb + QStringLiteral("\\command"),
                              QString(), program + QStringLiteral(" %1"), text);
    try {
        const QString icon = QString::number(NumberText::strictInt16(txtIcono->text()));
        done &= registro.SetValue(root, clase + QStringLiteral("\\DefaultIcon"), QString(),
                                  shortPath + u',' + icon, text);
    } catch (const std::exception &e) {
        qCWarning(lcShell).noquote() << "File type icon not registered:" << describeFailure(e);
        done = false;
    }
    done &= DesktopIntegration(m_paths).associate(program, description);
    close();
    return done;
}
