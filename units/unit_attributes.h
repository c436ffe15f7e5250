// The attributes of the reinforcement units block (RUNITS).
//
// They point into a block and own nothing. A block binds an attribute each
// time it hands it out; an attribute that was never bound answers false. A
// copy keeps the binding of its original, so reach a copied block's fields
// through its own lookup, which re-binds.
#pragma once

#include <cstdint>

#include "units/tx_data.h"

struct RUNITS;

// Value identifiers.
enum UnitValueId : int {
  kUnitTextValue = 1239,
  kWorkUnitTypeValue = 2304,
  kUnitModeValue = 4300,
  kLessThenOnePrecisionValue,
  kGreaterThenOnePrecisionValue,
  kImpDescFormatTypeValue,
  kImpDescFormatPrecisionValue,
  kLessThenOneUnitValue,
  kGreaterThenOneUnitValue,
  kUnitPrecisionValue,
  kUnitCoefficientValue,
};

// One mode integer: 4300.
class KovtAUnitMode : public TxIAttribute {
 public:
  void BindMode(std::int32_t* mode) { m_mode = mode; }
  bool GetInt(int valueId, std::int32_t& value) const override;
  bool SetInt(int valueId, std::int32_t value) override;

 private:
  std::int32_t* m_mode = nullptr;
};

// The mode (4300) of a block and the fields a layout lists, by identifier.
class KovtAUnitFields : public KovtAUnitMode {
 public:
  // Which mode, integers and texts of a block the attribute hands out.
  struct Layout;

  void Bind(RUNITS* block);
  bool GetInt(int valueId, std::int32_t& value) const override;
  bool SetInt(int valueId, std::int32_t value) override;
  const wchar_t* GetText(int valueId) const override;
  bool SetText(int valueId, const wchar_t* value) override;

 protected:
  explicit KovtAUnitFields(const Layout& layout) : m_layout(&layout) {}

 private:
  const Layout* m_layout;
  RUNITS* m_block = nullptr;
};

// The work units of a block: 4300 mode ("Units.WorkUnitMode"), 2304 type,
// 1239 unit name.
class KovtAUnitWork : public KovtAUnitFields {
 public:
  KovtAUnitWork();
};

// The description format of a block: 4300 mode ("Units.DescFormatMode"),
// 4301/4302 precisions below/from one metre, 4303/4304 imperial type and
// precision, 4305/4306 units below/from one metre.
class KovtAUnitDesc : public KovtAUnitFields {
 public:
  KovtAUnitDesc();
};

// One unit definition: 1239 unit name, 4307 precision, 4308 coefficient.
class KovtAUnitDef : public TxIAttribute {
 public:
  void Bind(KOVTString* unit, std::int32_t* precision, double* coefficient);
  const wchar_t* GetText(int valueId) const override;
  bool SetText(int valueId, const wchar_t* value) override;
  bool GetInt(int valueId, std::int32_t& value) const override;
  bool SetInt(int valueId, std::int32_t value) override;
  bool GetDouble(int valueId, double& value) const override;
  bool SetDouble(int valueId, double value) override;

 private:
  KOVTString* m_unit = nullptr;
  std::int32_t* m_precision = nullptr;
  double* m_coefficient = nullptr;
};
