#include "Form1.h"

#include "DesktopIntegration.h"
#include "Logging.h"
#include "NumberText.h"
#include "cRegistro.h"

namespace {
// The platform's short form of a path held at most 255 characters.
constexpr qsizetype kMaxShortPath = 255;
} // namespace

QString Form1::programPath(const QString &folder, const QString &programFile)
{
    return folder.endsWith(u'/') ? folder + programFile : folder + u'/' + programFile;
}

bool Form1::registerFileType(const Paths &paths, const QString &programFile, const Boxes &boxes)
{
    const QString program = programPath(paths.programFolder, programFile);
    const cRegistro registro(paths.registryStore);
    constexpr uint32_t root = cRegistro::HKEY_CLASSES_ROOT;
    constexpr int32_t text = cRegistro::TIPO_STRING;
    const QString extension = boxes.txtExtension;
    const QString description = boxes.txtDescripcion;
    const QString verb = boxes.txtComando;
    bool done = true;

    // An extension already registered keeps its type; this registration adds to that type.
    // An empty class reads as none, so that nothing is ever written at the top of the root.
    QString clase = registro.QueryValue(root, extension, QString()).toString();
    if (clase.isEmpty() && !extension.isEmpty()) {
        done = registro.SetValue(root, extension, QString(), boxes.txtClave, text);
        clase = boxes.txtClave;
    }
    if (clase.isEmpty() || extension.isEmpty())
        return false;
    // There are no short names here; the one form of the path is its short form.
    const QString shortPath = program.size() <= kMaxShortPath ? program : QString();
    done &= registro.SetValue(root, clase, QString(), description, text);
    done &= registro.SetValue(root, clase + QStringLiteral("\\Shell\\") + verb, QString(), verb, text);
    done &= registro.SetValue(root, clase + QStringLiteral("\\Shell\\") + verb + QStringLiteral("\\command"),
                              QString(), program + QStringLiteral(" %1"), text);
    try {
        const QString icon = QString::number(NumberText::strictInt16(boxes.txtIcono));
        done &= registro.SetValue(root, clase + QStringLiteral("\\DefaultIcon"), QString(),
                                  shortPath + u',' + icon, text);
    } catch (const std::exception &e) {
        qCWarning(lcShell).noquote() << "File type icon not registered:" << describeFailure(e);
        done = false;
    }
    done &= DesktopIntegration(paths).associate(program, description);
    return done;
}
