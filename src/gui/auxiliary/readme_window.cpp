#include "readme_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "platform/gbk_text.h"

namespace busho {
namespace {

constexpr qint64 kLargestReadme = 4 * 1024 * 1024;  // a readme, not a book

// The readme beside the program is UTF-8; one a user put there may still be in the interface's GBK.
QString DecodeReadme(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return platform::FromGbk(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

ReadmeWindow::ReadmeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ReadmeWindow"));
    setWindowTitle(tr("说明文档"));
    txReadme = new QPlainTextEdit(this);
    txReadme->setObjectName(QStringLiteral("txReadme"));
    txReadme->setReadOnly(true);
    txReadme->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txReadme);
    resize(640, 480);
}

bool ReadmeWindow::Load(const std::filesystem::path& file) {
    QFile readme(QString::fromStdU16String(file.u16string()));
    if (!readme.open(QIODevice::ReadOnly) || readme.size() > kLargestReadme) return false;
    const QByteArray bytes = readme.readAll();
    if (readme.error() != QFileDevice::NoError) return false;
    txReadme->setPlainText(DecodeReadme(bytes));
    setWindowTitle(tr("说明文档") + QStringLiteral(" - ") + readme.fileName());
    return true;
}

}  // namespace busho
