#include "QaForm.h"

#include "HelpTexts.h"

namespace {
QString indexed(const char* name, int k) { return QLatin1String(name) + QString::number(k); }
} // namespace

QaForm::QaForm()
{
    vm.setText(QStringLiteral("Caption"), QStringLiteral("Q&A --- 功能提示"));
    vm.setText(QStringLiteral("Frame1"), QStringLiteral("選擇想了解的功能"));
    for (int k = 0; k < 8; ++k) {
        const help::Topic& t = help::Topics[k];
        vm.setText(indexed("Cmd", k), QString::fromUtf8(t.button));
        vm.setText(indexed("Fme", k), QString::fromUtf8(t.heading));
        vm.setText(indexed("Lbl", k), QString::fromUtf8(t.answer));
        vm.setVisible(indexed("Fme", k), false);
    }
}

void QaForm::Cmd_Click(int k)
{
    for (int i = 0; i < 8; ++i) {
        vm.setEnabled(indexed("Cmd", i), i != k);
        vm.setVisible(indexed("Fme", i), i == k);
    }
}
