#include "data/json_dump.h"

#include <charconv>
#include <cstdio>

namespace absence {
namespace {

class TJson {
 public:
  std::string out;

  void Str(const std::string& s) {
    out += '"';
    for (const char ch : s) {
      const auto c = static_cast<unsigned char>(ch);
      switch (c) {
        case '"':
          out += "\\\"";
          break;
        case '\\':
          out += "\\\\";
          break;
        case '\n':
          out += "\\n";
          break;
        case '\r':
          out += "\\r";
          break;
        case '\t':
          out += "\\t";
          break;
        default:
          if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
          } else {
            out += ch;
          }
      }
    }
    out += '"';
  }
  template <class T>
  void Num(T v) {
    char buf[64];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc() || v != v) {
      out += "null";
      return;
    }
    out.append(buf, p);
  }
  void Key(const char* k) {
    Sep();
    Str(k);
    out += ':';
    fresh_ = true;
  }
  void Bool(bool b) { Val(b ? "true" : "false"); }
  void Char(char c) { Val(nullptr), Str(std::string(1, c)); }
  void Open(char c) {
    Sep();
    out += c;
    fresh_ = true;
  }
  void Close(char c) {
    out += c;
    fresh_ = false;
  }
  // Before a scalar value.
  void Val(const char* literal) {
    Sep();
    if (literal) out += literal;
    fresh_ = false;
  }
  template <class T>
  void Field(const char* k, T v) {
    Key(k);
    Val(nullptr);
    Num(v);
  }
  void Field(const char* k, const std::string& v) {
    Key(k);
    Val(nullptr);
    Str(v);
  }
  void FieldBool(const char* k, bool v) {
    Key(k);
    Bool(v);
  }
  void FieldChar(const char* k, char v) {
    Key(k);
    Char(v);
  }

 private:
  void Sep() {
    if (!fresh_ && !out.empty() && out.back() != '[' && out.back() != '{') out += ',';
    fresh_ = false;
  }
  bool fresh_ = true;
};

void DumpEntry(TJson& j, const TAbsenceRecClass& e) {
  j.Open('{');
  j.FieldChar("Kind", Letter(e.Kind));
  j.Field("ReasonID", e.ReasonID);
  j.Field("EntryDate", e.EntryDate);
  j.Field("Hours", e.Hours);
  j.Field("DelMark", e.DelMark.str());
  j.FieldBool("ReasonDeleted", e.ReasonDeleted);
  j.FieldBool("Modified", e.Modified);
  j.Close('}');
}

}  // namespace

std::string DumpJson(const TDataSet& data) {
  TJson j;
  j.Open('{');
  j.Key("reasons");
  j.Open('[');
  for (const auto& r : data.ReasonList) {
    j.Open('{');
    j.Field("ReasonID", r->ReasonID);
    j.Field("Description", r->Description);
    j.FieldBool("Active", r->Active);
    j.FieldBool("HasPolicy", r->HasPolicy);
    j.FieldChar("Basis", Letter(r->Basis));
    j.FieldChar("Validate", Letter(r->Validate));
    j.FieldBool("Deleted", r->Deleted);
    j.FieldBool("Modified", r->Modified);
    j.Key("Rules");
    j.Open('[');
    for (const auto& rule : r->Rules) {
      j.Open('{');
      j.Field("StartMonth", rule->StartMonth);
      j.Field("EndMonth", rule->EndMonth);
      j.Field("Hours", rule->Hours);
      j.Field("CarryOver", rule->CarryOver);
      j.Close('}');
    }
    j.Close(']');
    j.Close('}');
  }
  j.Close(']');

  j.Key("employees");
  j.Open('[');
  for (const auto& e : data.EmpList) {
    j.Open('{');
    j.Field("EmpID", e->EmpID);
    j.Field("LastName", e->LastName);
    j.Field("FirstName", e->FirstName);
    j.Field("SSN", e->SSN);
    j.Field("StartDate", e->StartDate);
    j.Field("TermDate", e->TermDate);
    j.Field("DeptID", e->DeptID);
    j.FieldChar("EmpType", e->EmpType);
    j.FieldBool("Deleted", e->Deleted);
    j.FieldBool("Modified", e->Modified);
    j.Key("Accruals");
    j.Open('[');
    for (const auto& a : e->Accruals) {
      j.Open('{');
      j.Field("ReasonID", a->ReasonID);
      j.Field("Hours", a->Hours);
      j.Field("AsOfDate", a->AsOfDate);
      j.Field("DelMark", a->DelMark);
      j.FieldBool("ReasonDeleted", a->ReasonDeleted);
      j.FieldBool("Modified", a->Modified);
      j.Close('}');
    }
    j.Close(']');
    j.Key("Entries");
    j.Open('[');
    for (const auto& x : e->Entries) DumpEntry(j, *x);
    j.Close(']');
    j.Close('}');
  }
  j.Close(']');

  j.Key("globals");
  j.Open('[');
  for (const auto& g : data.GlobalList) DumpEntry(j, *g);
  j.Close(']');

  j.Key("departments");
  j.Open('[');
  for (const auto& d : data.DeptList) {
    j.Open('{');
    j.Field("DeptID", d->DeptID);
    j.Field("DeptName", d->DeptName);
    j.Field("DeptCode", d->DeptCode);
    j.FieldBool("Active", d->Active);
    j.Field("ManagerID", d->ManagerID);
    j.FieldBool("Deleted", d->Deleted);
    j.FieldBool("Modified", d->Modified);
    j.Close('}');
  }
  j.Close(']');
  j.Close('}');
  j.out += '\n';
  return j.out;
}

}  // namespace absence
