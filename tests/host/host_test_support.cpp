#include "tests/host/host_test_support.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include <libdeflate.h>

bool TestThing::answerProxy = false;
int TestThing::reads = 0;

Plnx::ErrorStatus TestThing::dwgOutFields(PnDbDwgFiler* filer) const {
  Plnx::ErrorStatus es = PnDbObject::dwgOutFields(filer);
  if (es != Plnx::eOk) return es;
  filer->writeString(pndbToUtf16(label));
  filer->writeInt32(count);
  filer->writeDouble(weight);
  filer->writeHardPointerId(target);
  return filer->filerStatus();
}

Plnx::ErrorStatus TestThing::dwgInFields(PnDbDwgFiler* filer) {
  Plnx::ErrorStatus es = PnDbObject::dwgInFields(filer);
  if (es != Plnx::eOk) return es;
  ++reads;
  if (answerProxy) return Plnx::eMakeMeProxy;
  std::u16string text;
  filer->readString(&text);
  filer->readInt32(&count);
  filer->readDouble(&weight);
  filer->readHardPointerId(&target);
  label = pndbFromUtf16(text);
  return filer->filerStatus();
}

PnRxClass* registerTestThing() {
  if (PnRxClass* cls = TestThing::desc()) return cls;
  return newPnRxClass(TestThing::kClassName, L"PnDbObject", 0, 0, 0,
                      [] { return static_cast<PnRxObject*>(new TestThing); });
}

PnDbObjectId addThing(PnDbDatabase& db, const wchar_t* key, const wchar_t* label, std::int32_t count,
                      double weight, PnDbObjectId target) {
  PnDbDictionary* dictionary = nullptr;
  PnDbObjectId id;
  if (db.getNamedObjectsDictionary(dictionary, PnDb::kForWrite) != Plnx::eOk) return id;
  auto* thing = new TestThing;
  thing->label = label;
  thing->count = count;
  thing->weight = weight;
  thing->target = target;
  if (dictionary->setAt(key, thing, id) == Plnx::eOk) thing->close();
  else delete thing;
  dictionary->close();
  return id;
}

namespace {
[[noreturn]] void throwAbort(const wchar_t* message) {
  std::string narrow;
  for (const wchar_t* p = message; *p; ++p) narrow += static_cast<char>(*p < 128 ? *p : '?');
  throw HostAbort(narrow);
}
}  // namespace

ThrowingAbort::ThrowingAbort() : m_previous(pnrxSetAbortHandler(throwAbort)) {}
ThrowingAbort::~ThrowingAbort() { pnrxSetAbortHandler(m_previous); }

Bytes readFile(const std::filesystem::path& path) {
  // In one read: the fuzz targets compare whole drawings per input.
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  Bytes bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {
void append(Bytes& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
}  // namespace

void reseal(Bytes& image) {
  const std::uint32_t crc = libdeflate_crc32(0, image.data(), image.size() - 4);
  for (int i = 0; i < 4; ++i) image.at(image.size() - 4 + i) = static_cast<std::uint8_t>(crc >> (8 * i));
}

Items& Items::word(Item kind, std::uint64_t value, int size) {
  m_bytes.push_back(static_cast<std::uint8_t>(kind));
  append(m_bytes, value, size);
  return *this;
}

Items& Items::real(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return word(Item::kDouble, bits, 8);
}

Items& Items::string(std::u16string_view text) {
  word(Item::kString, text.size(), 4);
  for (char16_t unit : text) append(m_bytes, unit, 2);
  return *this;
}

Bytes craftDrawing(const Bytes& header, const std::vector<CraftedObject>& objects, std::uint32_t formatVersion) {
  const char magic[] = "PNDWG\r\n\x1a";
  Bytes image(magic, magic + 8);
  append(image, formatVersion, 4);
  append(image, header.size(), 4);
  image.insert(image.end(), header.begin(), header.end());
  append(image, objects.size(), 4);
  for (const CraftedObject& object : objects) {
    std::u16string name = pndbToUtf16(object.className);
    append(image, object.handle, 8);
    append(image, name.size(), 2);
    for (char16_t unit : name) append(image, unit, 2);
    append(image, object.data.size(), 4);
    image.insert(image.end(), object.data.begin(), object.data.end());
  }
  append(image, 0, 4);
  reseal(image);
  return image;
}

namespace crafted {

Items header(std::uint64_t handseed) {
  Items items;
  items.uint64(handseed).softPointer(kNamedObjects).softPointer(kLinetypes).softPointer(kTextStyles);
  items.softPointer(kDimStyles).softPointer(0).softPointer(0).softPointer(0);
  items.int16(PnDb::kMetric).int16(2).int16(4);
  return items;
}

CraftedObject dictionary(std::uint64_t handle, std::uint64_t owner, const Entries& entries) {
  Items data;
  data.softPointer(owner).int16(PnDb::kDrcIgnore).uint32(static_cast<std::uint32_t>(entries.size()));
  for (const auto& [name, entry] : entries) data.string(name).hardOwnership(entry);
  return {handle, L"PnDbDictionary", data.bytes()};
}

std::vector<CraftedObject> minimalDrawing(const Entries& namedEntries) {
  std::vector<CraftedObject> objects{dictionary(kNamedObjects, 0, namedEntries)};
  const std::pair<std::uint64_t, const wchar_t*> tables[] = {
      {kLinetypes, L"PnDbLinetypeTable"}, {kTextStyles, L"PnDbTextStyleTable"}, {kDimStyles, L"PnDbDimStyleTable"}};
  for (const auto& [handle, className] : tables) objects.push_back({handle, className, Items().softPointer(0).uint32(0).bytes()});
  return objects;
}

}  // namespace crafted
