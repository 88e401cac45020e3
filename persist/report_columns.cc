// The comparison-report column record. A default record has empty texts and
// no children; its image indices and width start at zero so that a record
// never carries indeterminate values.
#include "reportdata/report_types.h"

SReportColunm::SReportColunm() : image(0), selectedImage(0), width(0.0) {}
SReportColunm::SReportColunm(const SReportColunm& other) = default;
SReportColunm& SReportColunm::operator=(const SReportColunm& other) = default;
SReportColunm::~SReportColunm() = default;
