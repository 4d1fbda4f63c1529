#include "analysis/analyseform.h"

AnalyseForm::AnalyseForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AnalyseForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("月份分析"));
    resize(640, 480);
}
