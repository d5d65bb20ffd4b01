#include "platform/prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <cstdio>

namespace {
class QtPromptService final : public IPromptService {
public:
    int MessageBox(PromptKind kind, const std::string& text, const std::string& caption) override {
        const QString t = QString::fromUtf8(text), c = QString::fromUtf8(caption);
        // Without a GUI application (the console tool) the text goes to stderr and the safe answer is taken.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
            std::fprintf(stderr, "%s\n", text.c_str());
            return kind == PromptKind::Question ? IDNO : IDOK;
        }
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(c);
        box.setText(t);
        switch (kind) {
        case PromptKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case PromptKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case PromptKind::Question:
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        const int r = box.exec();
        if (kind == PromptKind::Question) return r == QMessageBox::Yes ? IDYES : IDNO;
        return IDOK;
    }

    std::string SaveDialog(QWidget* parent, const std::string& fileName, const std::string& defaultExt,
                           const std::string& filter) override {
        QFileDialog dlg(parent);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QString::fromUtf8(defaultExt));
        dlg.setNameFilter(QString::fromUtf8(filter));
        dlg.selectFile(QString::fromUtf8(fileName));
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
        return dlg.selectedFiles().first().toStdString();
    }

    bool PrintDialog(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dlg(&printer, parent);
        return dlg.exec() == QDialog::Accepted;
    }
};
} // namespace

std::unique_ptr<IPromptService> MakeQtPromptService() {
    return std::make_unique<QtPromptService>();
}
