#pragma once
// The report bodies, one file each.
#include <memory>

#include "reports/report_run.h"

namespace absence::reports {

std::unique_ptr<TReportBody> MakeAbsenceReport(TReportRun& run);
std::unique_ptr<TReportBody> MakeBalanceReport(TReportRun& run);
std::unique_ptr<TReportBody> MakeDepartmentReport(TReportRun& run);
std::unique_ptr<TReportBody> MakeEmpInfoReport(TReportRun& run);
std::unique_ptr<TReportBody> MakeCalendarReport(TReportRun& run);
std::unique_ptr<TReportBody> MakeStatementReport(TReportRun& run);

}  // namespace absence::reports
