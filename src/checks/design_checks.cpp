#include "checks/design_checks.h"

#include <cmath>
#include <optional>
#include <unordered_map>

#include "common/number_format.h"
#include "excel/excel_export.h"
#include "tables/cell_numbers.h"
#include "tables/csv.h"

namespace tarvello {

namespace {

// The difference of two elevations as the tables mean it: cells hold a few
// decimals, so 400.30 - 399.30 is 1 and not 0.99999999997, and a value equal
// to its limit stays no finding.
double difference(double a, double b) {
  const double d = a - b;
  const double scaled = std::round(d * 1e9) / 1e9;
  return std::isfinite(scaled) ? scaled : d;
}

class Checker {
 public:
  Checker(const ProfileTables& tables, const Criteria& criteria)
      : s_(tables.structures), p_(tables.pipes), criteria_(criteria) {}

  std::vector<Finding> run() {
    if (criteria_.enabled(CheckRule::Freeboard)) freeboard();
    struct Limit {
      CheckRule rule;
      int column;
      double limit;
      bool below;  // finding when the value is less than the limit, else greater
    };
    const Limit limits[] = {
        {CheckRule::VelocityLow, pipecol::Velocity, criteria_.velocityMin, true},
        {CheckRule::VelocityHigh, pipecol::Velocity, criteria_.velocityMax, false},
        {CheckRule::Cover, pipecol::HeightOfCover, criteria_.coverMin, true},
        {CheckRule::SizeMin, pipecol::DiaRise, criteria_.sizeMin, true},
    };
    for (const Limit& l : limits) {
      if (!criteria_.enabled(l.rule)) continue;
      for (int r = 1; r < p_.rowCount(); ++r) {
        const auto v = cellNumber(p_, r, l.column);
        if (v && (l.below ? *v < l.limit : *v > l.limit))
          pipeFinding(l.rule, r, *v, l.limit, {l.column});
      }
    }
    if (criteria_.enabled(CheckRule::SizeDecrease)) sizeDecrease();
    if (criteria_.enabled(CheckRule::AdverseSlope)) {
      for (int r = 1; r < p_.rowCount(); ++r) {
        const auto slope = cellNumber(p_, r, pipecol::SlopePercent);
        if (slope && *slope <= 0)
          pipeFinding(CheckRule::AdverseSlope, r, *slope, 0, {pipecol::SlopePercent});
      }
    }
    if (criteria_.enabled(CheckRule::InvertDrop)) invertDrop();
    return std::move(findings_);
  }

 private:
  void freeboard() {
    std::unordered_map<std::string, int> seen;
    for (int r = 1; r < s_.rowCount(); ++r) {
      const std::string& node = s_.cell(r, strcol::StrNo);
      if (node.empty() || !seen.emplace(node, r).second) continue;
      const auto top = cellNumber(s_, r, strcol::TopElev);
      const auto hgl = cellNumber(s_, r, strcol::HglHigh);
      if (!top || !hgl) continue;
      const double room = difference(*top, *hgl);
      if (!(room < criteria_.freeboard)) continue;
      Finding f;
      f.rule = CheckRule::Freeboard;
      f.branchId = s_.cell(r, strcol::BranchId);
      f.structure = node;
      f.value = room;
      f.limit = criteria_.freeboard;
      f.table = CheckTable::Structures;
      f.row = r;
      f.cells = {{CheckTable::Structures, r, strcol::TopElev},
                 {CheckTable::Structures, r, strcol::HglHigh}};
      findings_.push_back(std::move(f));
    }
  }

  // Pipes flowing into a structure, by the structure: the pipes upstream of it.
  void sizeDecrease() {
    std::unordered_map<std::string, std::vector<int>> inflows;  // NodeOut -> rows
    for (int q = 1; q < p_.rowCount(); ++q) {
      const std::string& out = p_.cell(q, pipecol::NodeOut);
      if (!out.empty()) inflows[out].push_back(q);
    }
    for (int r = 1; r < p_.rowCount(); ++r) {
      const std::string& in = p_.cell(r, pipecol::NodeIn);
      const auto size = cellNumber(p_, r, pipecol::DiaRise);
      if (in.empty() || !size) continue;
      const auto it = inflows.find(in);
      if (it == inflows.end()) continue;
      std::optional<double> largest;
      int largestRow = 0;
      for (int q : it->second) {
        const auto upstream = cellNumber(p_, q, pipecol::DiaRise);
        if (upstream && *upstream > *size && (!largest || *upstream > *largest)) {
          largest = upstream;
          largestRow = q;
        }
      }
      if (largest) {
        Finding& f = pipeFinding(CheckRule::SizeDecrease, r, *size, *largest, {pipecol::DiaRise});
        f.cells.push_back({CheckTable::Pipes, largestRow, pipecol::DiaRise});
      }
    }
  }

  void invertDrop() {
    std::unordered_map<std::string, int> firstLeaving;  // NodeIn -> first row
    for (int p = 1; p < p_.rowCount(); ++p) {
      const std::string& in = p_.cell(p, pipecol::NodeIn);
      if (!in.empty()) firstLeaving.emplace(in, p);
    }
    for (int q = 1; q < p_.rowCount(); ++q) {
      const std::string& out = p_.cell(q, pipecol::NodeOut);
      if (out.empty()) continue;
      const auto it = firstLeaving.find(out);
      if (it == firstLeaving.end()) continue;
      const int p = it->second;
      const auto elevOut = cellNumber(p_, q, pipecol::ElevOut);
      const auto elevIn = cellNumber(p_, p, pipecol::ElevIn);
      if (!elevOut || !elevIn || !(*elevIn > *elevOut)) continue;
      Finding& f = pipeFinding(CheckRule::InvertDrop, q, difference(*elevOut, *elevIn), 0,
                               {pipecol::ElevOut});
      f.structure = out;
      f.cells.push_back({CheckTable::Pipes, p, pipecol::ElevIn});
    }
  }

  Finding& pipeFinding(CheckRule rule, int row, double value, double limit,
                       std::initializer_list<int> columns) {
    Finding f;
    f.rule = rule;
    f.branchId = p_.cell(row, pipecol::BranchId);
    f.pipe = p_.cell(row, pipecol::PipeNo);
    f.value = value;
    f.limit = limit;
    f.table = CheckTable::Pipes;
    f.row = row;
    for (int c : columns) f.cells.push_back({CheckTable::Pipes, row, c});
    findings_.push_back(std::move(f));
    return findings_.back();
  }

  const Table& s_;
  const Table& p_;
  const Criteria& criteria_;
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> runDesignChecks(const ProfileTables& tables, const Criteria& criteria) {
  return Checker(tables, criteria).run();
}

std::vector<int> findingCounts(const std::vector<Finding>& findings) {
  std::vector<int> counts(kCheckRuleCount, 0);
  for (const Finding& f : findings) ++counts[static_cast<size_t>(f.rule)];
  return counts;
}

std::vector<std::vector<std::string>> findingRows(const std::vector<Finding>& findings) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(findings.size() + 1);
  rows.push_back({"Rule", "Branch ID", "Structure", "Pipe", "Value", "Limit"});
  for (const Finding& f : findings)
    rows.push_back({std::string(checkRuleId(f.rule)), f.branchId, f.structure, f.pipe,
                    formatFixed(f.value, 2), formatFixed(f.limit, 2)});
  return rows;
}

std::string findingsCsv(const std::vector<Finding>& findings) {
  // Quoted and ended as the tables' own CSV.
  return rowsCsv(findingRows(findings));
}

ExtraWorksheet findingsWorksheet(const std::vector<Finding>& findings) {
  return {"Design Checks", findingRows(findings)};
}

std::string findingsSummary(const std::vector<Finding>& findings) {
  std::string text = "Design checks: " + std::to_string(findings.size()) + " findings\n";
  const auto counts = findingCounts(findings);
  for (int i = 0; i < kCheckRuleCount; ++i)
    text += "  " + std::string(checkRuleId(static_cast<CheckRule>(i))) + ": " +
            std::to_string(counts[static_cast<size_t>(i)]) + "\n";
  return text;
}

}  // namespace tarvello
