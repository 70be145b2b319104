#include "edit/records_copy.h"

#include <bit>
#include <cstdint>

#include "data/dataset.h"

namespace absence::edit {
namespace {

bool SameBits(float a, float b) {
  return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}
bool SameBits(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

}  // namespace

std::unique_ptr<TDeptRecClass> Clone(const TDeptRecClass& r) {
  return std::make_unique<TDeptRecClass>(r);
}

std::unique_ptr<TAccrualRecClass> Clone(const TAccrualRecClass& r) {
  return std::make_unique<TAccrualRecClass>(r);
}

std::unique_ptr<TAbsenceRecClass> Clone(const TAbsenceRecClass& r) {
  return std::make_unique<TAbsenceRecClass>(r);
}

std::unique_ptr<TFTRuleRecClass> Clone(const TFTRuleRecClass& r) {
  return std::make_unique<TFTRuleRecClass>(r);
}

std::unique_ptr<TReasonRecClass> Clone(const TReasonRecClass& r) {
  auto c = std::make_unique<TReasonRecClass>();
  c->ReasonID = r.ReasonID;
  c->Description = r.Description;
  c->Active = r.Active;
  c->HasPolicy = r.HasPolicy;
  c->Basis = r.Basis;
  c->Validate = r.Validate;
  c->Modified = r.Modified;
  c->Deleted = r.Deleted;
  c->Rules = CloneList(r.Rules);
  return c;
}

std::unique_ptr<TEmpRecClass> CloneHeader(const TEmpRecClass& r) {
  auto c = std::make_unique<TEmpRecClass>();
  c->EmpID = r.EmpID;
  c->LastName = r.LastName;
  c->FirstName = r.FirstName;
  c->SSN = r.SSN;
  c->StartDate = r.StartDate;
  c->TermDate = r.TermDate;
  c->DeptID = r.DeptID;
  c->EmpType = r.EmpType;
  c->Modified = r.Modified;
  c->Deleted = r.Deleted;
  return c;
}

std::unique_ptr<TEmpRecClass> Clone(const TEmpRecClass& r) {
  auto c = CloneHeader(r);
  c->Accruals = CloneList(r.Accruals);
  c->Entries = CloneList(r.Entries);
  return c;
}

bool Same(const TDeptRecClass& a, const TDeptRecClass& b) {
  return a.DeptID == b.DeptID && a.DeptName == b.DeptName && a.DeptCode == b.DeptCode &&
         a.Active == b.Active && a.ManagerID == b.ManagerID && a.Modified == b.Modified &&
         a.Deleted == b.Deleted;
}

bool Same(const TAccrualRecClass& a, const TAccrualRecClass& b) {
  return a.ReasonDeleted == b.ReasonDeleted && a.ReasonID == b.ReasonID &&
         SameBits(a.Hours, b.Hours) && SameBits(a.AsOfDate, b.AsOfDate) &&
         a.Modified == b.Modified && a.DelMark == b.DelMark;
}

bool Same(const TAbsenceRecClass& a, const TAbsenceRecClass& b) {
  return a.ReasonID == b.ReasonID && SameBits(a.Hours, b.Hours) &&
         SameBits(a.EntryDate, b.EntryDate) && a.Kind == b.Kind && a.Modified == b.Modified &&
         a.ReasonDeleted == b.ReasonDeleted && a.DelMark.view() == b.DelMark.view();
}

bool Same(const TFTRuleRecClass& a, const TFTRuleRecClass& b) {
  return a.StartMonth == b.StartMonth && a.EndMonth == b.EndMonth && SameBits(a.Hours, b.Hours) &&
         SameBits(a.CarryOver, b.CarryOver);
}

bool Same(const TReasonRecClass& a, const TReasonRecClass& b) {
  return a.ReasonID == b.ReasonID && a.Description == b.Description && a.Active == b.Active &&
         a.HasPolicy == b.HasPolicy && a.Basis == b.Basis && a.Validate == b.Validate &&
         a.Modified == b.Modified && a.Deleted == b.Deleted && SameList(a.Rules, b.Rules);
}

bool SameHeader(const TEmpRecClass& a, const TEmpRecClass& b) {
  return a.EmpID == b.EmpID && a.LastName == b.LastName && a.FirstName == b.FirstName &&
         a.SSN == b.SSN && SameBits(a.StartDate, b.StartDate) && SameBits(a.TermDate, b.TermDate) &&
         a.DeptID == b.DeptID && a.EmpType == b.EmpType && a.Modified == b.Modified &&
         a.Deleted == b.Deleted;
}

TDataSet CloneDataSet(const TDataSet& data) {
  TDataSet copy;
  copy.ReasonList = CloneList(data.ReasonList);
  copy.EmpList = CloneList(data.EmpList);
  copy.GlobalList = CloneList(data.GlobalList);
  copy.DeptList = CloneList(data.DeptList);
  return copy;
}

}  // namespace absence::edit
