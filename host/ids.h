// Handles and object ids.
//
// A handle is the persistent name of an object inside one drawing; it stays
// the same across save and open. An object id is the in-memory reference to
// an object of a loaded database and is valid as long as that database lives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PnDbDatabase;
class PnDbObject;
struct PnDbStub;

class PnDbHandle {
 public:
  constexpr PnDbHandle() = default;
  constexpr explicit PnDbHandle(std::uint64_t value) : m_value(value) {}
  constexpr std::uint64_t value() const { return m_value; }
  constexpr bool isNull() const { return m_value == 0; }
  std::wstring toString() const;  // upper-case hexadecimal
  friend constexpr bool operator==(PnDbHandle a, PnDbHandle b) { return a.m_value == b.m_value; }
  friend constexpr auto operator<=>(PnDbHandle a, PnDbHandle b) { return a.m_value <=> b.m_value; }

 private:
  std::uint64_t m_value = 0;
};

class PnDbObjectId {
 public:
  constexpr PnDbObjectId() = default;
  static const PnDbObjectId kNull;

  bool isNull() const { return m_stub == nullptr; }
  bool isValid() const;   // refers to an object that exists
  bool isErased() const;
  PnDbHandle handle() const;
  PnDbDatabase* database() const;

  friend bool operator==(PnDbObjectId a, PnDbObjectId b) { return a.m_stub == b.m_stub; }
  friend bool operator<(PnDbObjectId a, PnDbObjectId b);

  PnDbStub* stub() const { return m_stub; }
  explicit PnDbObjectId(PnDbStub* stub) : m_stub(stub) {}

 private:
  PnDbStub* m_stub = nullptr;
};

using PnDbObjectIdArray = std::vector<PnDbObjectId>;
