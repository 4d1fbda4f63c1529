#include "analysis/analyseform2.h"

AnalyseForm2::AnalyseForm2(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AnalyseForm2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("趋势分析"));
    resize(640, 480);
}
