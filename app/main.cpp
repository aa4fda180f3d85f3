// busho-editor. Until the editor windows exist this shows what the build holds: the officer file
// core, the built-in roster and the `busho` tool, with the state found at start.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <memory>

#include "data/officer_file.h"
#include "data/roster.h"
#include "platform/documents_folder.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("busho-editor"));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption screenshots(QStringLiteral("screenshots"), QStringLiteral("Write each window to DIR/<name>.png and quit."),
                                   QStringLiteral("DIR"));
    parser.addOption(screenshots);
    parser.process(app);

    auto session = std::make_unique<busho::Session>();
    session->ProgramFolder = busho::platform::ProgramFolder();
    session->DocumentsFolder = busho::platform::DocumentsFolder();
    busho::LoadRoster(session->ProgramFolder, session->Roster);
    const auto names = busho::LoadBuiltInNames(session->ProgramFolder);
    int named = 0;
    for (const auto& n : names) named += n.empty() ? 0 : 1;

    QLabel window;
    window.setObjectName(QStringLiteral("Form1"));
    window.setMargin(16);
    window.setText(QStringLiteral("信长之野望－革新 PK 登录武将编辑器\n\n"
                                  "已构建：登录武将存档的读取与保存、武将名册、命令行工具 busho。\n"
                                  "编辑窗口尚在建设中。\n\n"
                                  "数据文件夹：%1\n武将名册：%2 名武将\n文档文件夹：%3")
                       .arg(QDir::toNativeSeparators(QString::fromStdU16String(session->ProgramFolder.u16string())))
                       .arg(named)
                       .arg(QDir::toNativeSeparators(QString::fromStdU16String(session->DocumentsFolder.u16string()))));
    window.setWindowTitle(QStringLiteral("革新QorvaneFOR 中文PK版"));
    window.show();

    if (parser.isSet(screenshots)) {
        const QString dir = parser.value(screenshots);
        QDir().mkpath(dir);
        QTimer::singleShot(0, [&] {
            const bool ok = window.grab().save(dir + QLatin1Char('/') + window.objectName() + QStringLiteral(".png"));
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return QApplication::exec();
}
