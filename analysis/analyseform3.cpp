#include "analysis/analyseform3.h"

AnalyseForm3::AnalyseForm3(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AnalyseForm3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("月份分析"));
    resize(640, 480);
}
