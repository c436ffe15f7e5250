#include "units/unit_attributes.h"

#include <span>

#include "units/runits.h"

namespace {

template <class Field>
struct FieldOfValue {
  int valueId;
  Field RUNITS::*field;
};

using IntField = FieldOfValue<std::int32_t>;
using TextField = FieldOfValue<KOVTString>;

constexpr IntField kWorkInts[] = {{kWorkUnitTypeValue, &RUNITS::workUnitType}};
constexpr TextField kWorkTexts[] = {{kUnitTextValue, &RUNITS::workUnits}};
constexpr IntField kDescInts[] = {
    {kLessThenOnePrecisionValue, &RUNITS::lessThenOnePrecision},
    {kGreaterThenOnePrecisionValue, &RUNITS::greaterThenOnePrecision},
    {kImpDescFormatTypeValue, &RUNITS::impDescFormatType},
    {kImpDescFormatPrecisionValue, &RUNITS::impDescFormatPrecision},
};
constexpr TextField kDescTexts[] = {
    {kLessThenOneUnitValue, &RUNITS::lessThenOneUnit},
    {kGreaterThenOneUnitValue, &RUNITS::greaterThenOneUnit},
};

// The block's field of a value identifier, or null.
template <class Field>
Field* FieldOf(RUNITS* block, std::span<const FieldOfValue<Field>> fields, int valueId) {
  if (block == nullptr) return nullptr;
  for (const auto& entry : fields)
    if (entry.valueId == valueId) return &(block->*entry.field);
  return nullptr;
}

template <class T>
bool Read(const T* field, T& value) {
  if (field == nullptr) return false;
  value = *field;
  return true;
}

template <class T>
bool Write(T* field, const T& value) {
  if (field == nullptr) return false;
  *field = value;
  return true;
}

const wchar_t* TextOf(const KOVTString* field) { return field != nullptr ? field->c_str() : nullptr; }

bool WriteText(KOVTString* field, const wchar_t* value) {
  return value != nullptr && Write(field, KOVTString(value));
}

}  // namespace

struct KovtAUnitFields::Layout {
  std::int32_t RUNITS::*mode;
  std::span<const IntField> ints;
  std::span<const TextField> texts;
};

namespace {
const KovtAUnitFields::Layout kWorkLayout{&RUNITS::workUnitMode, kWorkInts, kWorkTexts};
const KovtAUnitFields::Layout kDescLayout{&RUNITS::descFormatMode, kDescInts, kDescTexts};
}  // namespace

KovtAUnitWork::KovtAUnitWork() : KovtAUnitFields(kWorkLayout) {}

KovtAUnitDesc::KovtAUnitDesc() : KovtAUnitFields(kDescLayout) {}

bool KovtAUnitMode::GetInt(int valueId, std::int32_t& value) const {
  return valueId == kUnitModeValue && Read(m_mode, value);
}

bool KovtAUnitMode::SetInt(int valueId, std::int32_t value) {
  return valueId == kUnitModeValue && Write(m_mode, value);
}

void KovtAUnitFields::Bind(RUNITS* block) {
  m_block = block;
  BindMode(block != nullptr ? &(block->*m_layout->mode) : nullptr);
}

bool KovtAUnitFields::GetInt(int valueId, std::int32_t& value) const {
  if (std::int32_t* field = FieldOf(m_block, m_layout->ints, valueId)) return Read(field, value);
  return KovtAUnitMode::GetInt(valueId, value);
}

bool KovtAUnitFields::SetInt(int valueId, std::int32_t value) {
  if (std::int32_t* field = FieldOf(m_block, m_layout->ints, valueId)) return Write(field, value);
  return KovtAUnitMode::SetInt(valueId, value);
}

const wchar_t* KovtAUnitFields::GetText(int valueId) const {
  return TextOf(FieldOf(m_block, m_layout->texts, valueId));
}

bool KovtAUnitFields::SetText(int valueId, const wchar_t* value) {
  return WriteText(FieldOf(m_block, m_layout->texts, valueId), value);
}

void KovtAUnitDef::Bind(KOVTString* unit, std::int32_t* precision, double* coefficient) {
  m_unit = unit;
  m_precision = precision;
  m_coefficient = coefficient;
}

const wchar_t* KovtAUnitDef::GetText(int valueId) const {
  return valueId == kUnitTextValue ? TextOf(m_unit) : nullptr;
}

bool KovtAUnitDef::SetText(int valueId, const wchar_t* value) {
  return valueId == kUnitTextValue && WriteText(m_unit, value);
}

bool KovtAUnitDef::GetInt(int valueId, std::int32_t& value) const {
  return valueId == kUnitPrecisionValue && Read(m_precision, value);
}

bool KovtAUnitDef::SetInt(int valueId, std::int32_t value) {
  return valueId == kUnitPrecisionValue && Write(m_precision, value);
}

bool KovtAUnitDef::GetDouble(int valueId, double& value) const {
  return valueId == kUnitCoefficientValue && Read(m_coefficient, value);
}

bool KovtAUnitDef::SetDouble(int valueId, double value) {
  return valueId == kUnitCoefficientValue && Write(m_coefficient, value);
}
