// Drawing files.
//
//   magic "PNDWG\r\n\x1a", u32 format version, u32 header length, header items,
//   u32 object count, then per object: u64 handle, u16 class-name length,
//   UTF-16 class name, u32 data length, data (the object's filer items),
//   and last a CRC-32 of everything before it. Integers are little-endian.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <set>
#include <span>
#include <string_view>
#include <utility>

#include <libdeflate.h>

#include "host/database.h"
#include "host/filed_items.h"
#include "host/utf16.h"
#include "platform/detail/atomic_file.h"
#include "platform/detail/file_image.h"
#include "platform/detail/unique_fd.h"
#include "platform/wide_string.h"

namespace fs = std::filesystem;

namespace {

constexpr char kMagic[8] = {'P', 'N', 'D', 'W', 'G', '\r', '\n', '\x1a'};
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kPrefixSize = sizeof kMagic + 4;
constexpr std::size_t kMaxFileSize = std::size_t(1) << 31;
constexpr std::size_t kMaxClassName = 256;
constexpr std::size_t kMinRecord = 8 + 2 + 4;

// A standard CRC-32, continued from `crc` over more bytes; libdeflate's uses
// the processor's carry-less multiply where there is one, and every open and
// save checksums the whole file.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  return libdeflate_crc32(crc, data, size);
}

void patchLE(std::vector<std::uint8_t>& image, std::size_t at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Bounds-checked reading of the file image.
class Cursor {
 public:
  Cursor(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool read(std::uint64_t& value, int bytes) {
    if (m_size - m_position < static_cast<std::size_t>(bytes)) return false;
    value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(m_data[m_position++]) << (8 * i);
    return true;
  }
  bool take(std::size_t count, const std::uint8_t*& bytes) {
    if (m_size - m_position < count) return false;
    bytes = m_data + m_position;
    m_position += count;
    return true;
  }
  std::size_t remaining() const { return m_size - m_position; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_position = 0;
};

// Filing needs read access; objects closed at save time are opened for the moment.
template <class F>
auto withReadAccess(PnDbObject* object, F&& file) {
  bool opened = !object->isReadEnabled() && object->openAs(PnDb::kForRead) == Plnx::eOk;
  auto result = file();
  if (opened) object->close();
  return result;
}

std::wstring describe(PnDbHandle handle, const std::wstring& className) {
  return L"object " + handle.toString() + L" (" + className + L")";
}

}  // namespace

void pndbFailNextSaveAfter(std::size_t bytes) { kovt_platform::FailNextReplaceAfter(bytes); }

// The file as it is built: raw record fields and the items each live object
// files, all in one buffer, and the items of objects still filed where they
// lie; the file is the runs of both in order, so no object's bytes are
// copied again.
class ImageFiler : public PnDbMemoryFiler {
 public:
  explicit ImageFiler(PnDbDatabase* database) : PnDbMemoryFiler(PnDb::kFileFiler, database) {}
  void putRaw(const void* bytes, std::size_t count) { put(bytes, count); }
  void putLE(std::uint64_t value, int count) {
    std::uint8_t raw[8];
    for (int i = 0; i < count; ++i) raw[i] = static_cast<std::uint8_t>(value >> (8 * i));
    put(raw, static_cast<std::size_t>(count));
  }
  // Bytes the file takes as they are, after what is in the buffer so far.
  void putOutside(const std::uint8_t* bytes, std::size_t count) {
    closeRun();
    m_runs.push_back({bytes, 0, count});
  }
  std::size_t size() const { return bytes().size(); }

  // Patches the buffer, then gives the file's runs in order, the checksum last.
  template <class Patch>
  std::vector<std::string_view> finish(Patch&& patch) {
    closeRun();
    m_buffer = takeBytes();
    patch(m_buffer);
    std::vector<std::string_view> pieces;
    pieces.reserve(m_runs.size() + 1);
    std::uint32_t crc = 0;
    for (const Run& run : m_runs) {
      const std::uint8_t* start = run.outside ? run.outside : m_buffer.data() + run.at;
      crc = crc32(start, run.size, crc);
      pieces.emplace_back(reinterpret_cast<const char*>(start), run.size);
    }
    for (int i = 0; i < 4; ++i) m_crc[i] = static_cast<char>(crc >> (8 * i));
    pieces.emplace_back(m_crc, sizeof m_crc);
    return pieces;
  }

 private:
  struct Run {
    const std::uint8_t* outside;  // null for a run of the buffer
    std::size_t at, size;
  };
  void closeRun() {
    if (size() > m_closed) m_runs.push_back({nullptr, m_closed, size() - m_closed});
    m_closed = size();
  }

  std::vector<Run> m_runs;
  std::size_t m_closed = 0;
  std::vector<std::uint8_t> m_buffer;
  char m_crc[4] = {};
};

class PnDbDrawingWriter {
 public:
  explicit PnDbDrawingWriter(PnDbDatabase& db) : m_db(db), m_out(&db) {}

  // The file's pieces, which live as long as the writer.
  Plnx::ErrorStatus build(std::vector<std::string_view>& pieces) {
    PnDbMemoryFiler header(PnDb::kFileFiler, &m_db);
    header.writeUInt64(m_db.m_handseed);
    for (PnDbObjectId id : {m_db.m_namedObjects, m_db.m_linetypes, m_db.m_textStyles, m_db.m_dimStyles,
                            m_db.m_continuous, m_db.m_textstyle, m_db.m_dimstyle})
      header.writeSoftPointerId(id);
    header.writeInt16(static_cast<std::int16_t>(m_db.m_measurement));
    header.writeInt16(static_cast<std::int16_t>(m_db.m_lunits));
    header.writeInt16(static_cast<std::int16_t>(m_db.m_luprec));
    m_out.putRaw(kMagic, sizeof kMagic);
    m_out.putLE(kFormatVersion, 4);
    m_out.putLE(header.bytes().size(), 4);
    m_out.putRaw(header.bytes().data(), header.bytes().size());

    const std::size_t countAt = m_out.size();
    m_out.putLE(0, 4);
    std::size_t count = 0;
    // Where each live object's data length goes, and the length once it has filed itself.
    std::vector<std::pair<std::size_t, std::size_t>> lengths;
    for (PnDbStub& stub : m_db.m_stubs) {
      if (stub.object == nullptr && stub.filed != nullptr) {
        if (!stub.filed->erased) {
          putFiled(stub);
          ++count;
        }
        continue;
      }
      PnDbObject* object = stub.object.get();
      if (object == nullptr || object->isErased()) continue;
      auto* proxy = PnDbProxyObject::cast(object);
      const std::wstring className = proxy ? proxy->originalClassName() : object->isA() ? object->isA()->name() : L"";
      const std::u16string name = proxy ? proxy->filedClassName() : pndbToUtf16(className);
      if (!proxy && className.empty()) return unwritable(stub, className, Plnx::eNotApplicable);
      putRecordStart(stub.handle, name);
      const std::size_t lengthAt = m_out.size();
      m_out.putLE(0, 4);
      if (proxy) {
        m_out.putRaw(proxy->originalData().data(), proxy->originalData().size());
      } else {
        Plnx::ErrorStatus es = withReadAccess(object, [&] { return object->dwgOutFields(&m_out); });
        if (es == Plnx::eOk) es = m_out.filerStatus();
        if (es != Plnx::eOk) return unwritable(stub, className, es);
      }
      const std::size_t dataSize = m_out.size() - lengthAt - 4;
      if (dataSize > UINT32_MAX) {
        m_db.m_fileError = describe(stub.handle, className) + L" is too large to save";
        return Plnx::eOutOfMemory;
      }
      lengths.emplace_back(lengthAt, dataSize);
      ++count;
    }
    pieces = m_out.finish([&](std::vector<std::uint8_t>& buffer) {
      patchLE(buffer, countAt, count, 4);
      for (const auto& [at, size] : lengths) patchLE(buffer, at, size, 4);
    });
    return Plnx::eOk;
  }

 private:
  void putRecordStart(PnDbHandle handle, const std::u16string& className) {
    m_out.putLE(handle.value(), 8);
    m_out.putLE(className.size(), 2);
    for (char16_t unit : className) m_out.putLE(unit, 2);
  }

  // A filed object as the file held it, but for its owner, which may have changed.
  void putFiled(const PnDbStub& stub) {
    const PnDbFiledObject& filed = *stub.filed;
    putRecordStart(stub.handle, filed.className);
    m_out.putLE(filed.size, 4);
    m_out.writeSoftPointerId(filed.owner);
    m_out.putOutside(filed.data + kPnDbOwnerItem, filed.size - kPnDbOwnerItem);
  }

  Plnx::ErrorStatus unwritable(const PnDbStub& stub, const std::wstring& className, Plnx::ErrorStatus es) {
    m_db.m_fileError = describe(stub.handle, className) + L" could not be written (status " + std::to_wstring(es) + L")";
    return es;
  }

  PnDbDatabase& m_db;
  ImageFiler m_out;
};

Plnx::ErrorStatus PnDbDatabase::saveAs(const wchar_t* fileName) {
  // lastFileError says which object.
  if (m_damaged) return Plnx::eDwgObjectImproperlyRead;
  m_fileError.clear();
  if (fileName == nullptr || *fileName == 0) {
    m_fileError = L"no file name given";
    return Plnx::eInvalidInput;
  }
  // The whole file is built first, so an object that fails to file never touches the disk.
  PnDbDrawingWriter writer(*this);
  std::vector<std::string_view> pieces;
  Plnx::ErrorStatus es = writer.build(pieces);
  if (es != Plnx::eOk) return es;

  const fs::path target(WideToNativeName(fileName));
  std::string error;
  if (!kovt_platform::ReplaceFileContents(target, pieces, error)) {
    m_fileError = L"cannot save " + std::wstring(fileName) + L": " + Utf8ToWide(error);
    return Plnx::eFileAccessErr;
  }
  m_fileName = fileName;
  return Plnx::eOk;
}

// Objects are read in place from the file image: a registry of a million
// keys is tens of megabytes. Only a proxy keeps a copy.
Plnx::ErrorStatus PnDbDatabase::loadObject(PnDbStub& stub, const std::u16string& filedName, const std::uint8_t* data,
                                           std::size_t size) {
  const auto attach = [](PnDbStub& to, PnDbObject* object) {
    to.object.reset(object);
    object->m_stub = &to;
  };
  const std::wstring className = pndbFromUtf16(filedName);
  PnDbObject* object = nullptr;
  if (const PnRxClass* cls = pnrxFindPnRxClass(className.c_str())) {
    PnRxObject* created = cls->create();
    object = dynamic_cast<PnDbObject*>(created);
    if (object == nullptr) delete created;
  }
  Plnx::ErrorStatus es = Plnx::eMakeMeProxy;
  if (object != nullptr) {
    attach(stub, object);
    PnDbViewFiler filer(data, size, this);
    try {
      es = object->dwgInFields(&filer);
    } catch (const std::bad_alloc&) {
      throw;  // no damage in the file: the caller reports out of memory
    } catch (const std::exception&) {
      es = Plnx::eDwgObjectImproperlyRead;
    }
    // What the class left unread it does not understand; only a proxy keeps it for the next save.
    if (es == Plnx::eOk && !filer.atEnd()) es = Plnx::eMakeMeProxy;
    if (es == Plnx::eMakeMeProxy) stub.object.reset();
  }
  if (es == Plnx::eMakeMeProxy) {
    auto* proxy = new PnDbProxyObject(filedName, std::vector<std::uint8_t>(data, data + size));
    attach(stub, proxy);
    PnDbViewFiler filer(data, size, this);
    es = proxy->PnDbObject::dwgInFields(&filer);
    object = proxy;
  }
  if (es != Plnx::eOk) {
    m_fileError = L"has a damaged " + describe(stub.handle, className) + L" (status " + std::to_wstring(es) + L")";
    return Plnx::eDwgObjectImproperlyRead;
  }
  object->m_writing = false;
  object->m_modified = false;
  return Plnx::eOk;
}

class PnDbDrawingReader {
 public:
  PnDbDrawingReader(PnDbDatabase& db, bool onDemand) : m_db(db), m_onDemand(onDemand) {}

  // The magic and the format version, from the first kPrefixSize bytes of a file.
  Plnx::ErrorStatus checkPrefix(std::span<const std::uint8_t> image) {
    if (image.size() < kPrefixSize || std::memcmp(image.data(), kMagic, sizeof kMagic) != 0)
      return fail(Plnx::eNotADrawingFile, L"is not a drawing file");
    std::uint64_t version = 0;
    Cursor(image.data() + sizeof kMagic, 4).read(version, 4);
    if (version != kFormatVersion)
      return fail(Plnx::eInvalidDwgVersion, L"has format version " + std::to_wstring(version) +
                                                L"; this host reads version " + std::to_wstring(kFormatVersion));
    return Plnx::eOk;
  }

  Plnx::ErrorStatus read(std::span<const std::uint8_t> image) {
    if (Plnx::ErrorStatus es = checkPrefix(image); es != Plnx::eOk) return es;
    if (image.size() < kPrefixSize + 4) return fail(Plnx::eEndOfFile, L"is truncated");
    std::size_t body = image.size() - 4;
    std::uint64_t stored = 0;
    Cursor(image.data() + body, 4).read(stored, 4);
    if (crc32(image.data(), body) != stored)
      return fail(Plnx::eDwgCRCDoesNotMatch, L"is damaged or truncated (checksum mismatch)");

    Cursor cursor(image.data() + kPrefixSize, body - kPrefixSize);
    std::uint64_t headerSize = 0, count = 0;
    const std::uint8_t* header = nullptr;
    if (!cursor.read(headerSize, 4) || !cursor.take(headerSize, header) || !cursor.read(count, 4))
      return fail(Plnx::eEndOfFile, L"is truncated");
    if (count > cursor.remaining() / kMinRecord) return fail(Plnx::eDwgObjectImproperlyRead, L"has a bad object count");

    struct Record {
      PnDbHandle handle;
      std::u16string filedName;
      const std::uint8_t* data;
      std::size_t size;
    };
    std::vector<Record> records;
    records.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
      std::uint64_t handle = 0, nameLength = 0, dataSize = 0;
      const std::uint8_t* name = nullptr;
      Record record{};
      if (!cursor.read(handle, 8) || !cursor.read(nameLength, 2) || nameLength == 0 ||
          nameLength > kMaxClassName || !cursor.take(nameLength * 2, name) || !cursor.read(dataSize, 4) ||
          !cursor.take(dataSize, record.data))
        return fail(Plnx::eDwgObjectImproperlyRead, L"has a damaged object record");
      if (handle == 0 || m_db.m_byHandle.count(handle))
        return fail(Plnx::eHandleExists, L"has a null or repeated handle " + PnDbHandle(handle).toString());
      std::u16string name16(nameLength, u'\0');
      for (std::size_t k = 0; k < nameLength; ++k) name16[k] = static_cast<char16_t>(name[2 * k] | (name[2 * k + 1] << 8));
      record.handle = PnDbHandle(handle);
      record.filedName = std::move(name16);
      record.size = dataSize;
      m_db.newStub(record.handle);
      records.push_back(std::move(record));
    }
    if (cursor.remaining() != 0) return fail(Plnx::eDwgObjectImproperlyRead, L"has data after the last object");

    const std::set<std::uint64_t> roots = m_onDemand ? idsIn(header, headerSize) : std::set<std::uint64_t>();
    for (Record& record : records) {
      PnDbStub& stub = *m_db.m_byHandle[record.handle.value()];
      const bool root = roots.count(record.handle.value()) > 0;
      if (m_onDemand && !root && keepFiled(stub, record.filedName, record.data, record.size)) continue;
      Plnx::ErrorStatus es = m_db.loadObject(stub, record.filedName, record.data, record.size);
      if (es != Plnx::eOk) return es;
    }
    return readHeader(std::vector<std::uint8_t>(header, header + headerSize));
  }

  Plnx::ErrorStatus fail(Plnx::ErrorStatus es, const std::wstring& why) {
    m_db.m_fileError = why;
    return es;
  }

 private:
  static std::set<std::uint64_t> idsIn(const std::uint8_t* data, std::size_t size) {
    std::set<std::uint64_t> handles;
    pndbWalkFiledItems(data, size, [&](const PnDbFiledId& id) { handles.insert(id.handle); });
    return handles;
  }

  // Keeps the record filed when it can wait; anything else is read at once,
  // to be refused or refiled as ever.
  bool keepFiled(PnDbStub& stub, const std::u16string& filedName, const std::uint8_t* data, std::size_t size) {
    bool owns = false;
    if (!m_db.canStayFiled(data, size, owns)) return false;
    auto filed = std::make_unique<PnDbFiledObject>();
    filed->owns = owns;
    filed->className = filedName;
    filed->data = data;
    filed->size = size;
    PnDbViewFiler owner(data, kPnDbOwnerItem, &m_db);
    owner.readSoftPointerId(&filed->owner);
    stub.filed = std::move(filed);
    return true;
  }

  template <class T>
  bool resolve(PnDbMemoryFiler& filer, PnDbObjectId& id) {
    filer.readSoftPointerId(&id);
    if (id.isNull()) return false;
    return id.isValid() && T::cast(id.stub()->live()) != nullptr;
  }

  Plnx::ErrorStatus readHeader(std::vector<std::uint8_t> bytes) {
    PnDbMemoryFiler filer(std::move(bytes), PnDb::kFileFiler, &m_db);
    std::uint64_t handseed = 0;
    filer.readUInt64(&handseed);
    bool tablesOk = resolve<PnDbDictionary>(filer, m_db.m_namedObjects) &&
                    resolve<PnDbLinetypeTable>(filer, m_db.m_linetypes) &&
                    resolve<PnDbTextStyleTable>(filer, m_db.m_textStyles) &&
                    resolve<PnDbDimStyleTable>(filer, m_db.m_dimStyles);
    if (!tablesOk) return fail(Plnx::eDwgObjectImproperlyRead, L"lacks its named-objects dictionary or a symbol table");
    if (!resolve<PnDbLinetypeTableRecord>(filer, m_db.m_continuous)) m_db.m_continuous = PnDbObjectId();
    if (!resolve<PnDbTextStyleTableRecord>(filer, m_db.m_textstyle)) m_db.m_textstyle = PnDbObjectId();
    if (!resolve<PnDbDimStyleTableRecord>(filer, m_db.m_dimstyle)) m_db.m_dimstyle = PnDbObjectId();
    std::int16_t measurement = 0, lunits = 0, luprec = 0;
    filer.readInt16(&measurement);
    filer.readInt16(&lunits);
    filer.readInt16(&luprec);
    if (filer.filerStatus() != Plnx::eOk || m_db.setMeasurement(measurement) != Plnx::eOk ||
        m_db.setLunits(lunits) != Plnx::eOk || m_db.setLuprec(luprec) != Plnx::eOk)
      return fail(Plnx::eDwgObjectImproperlyRead, L"has a damaged header");
    m_db.m_handseed = std::max(m_db.m_handseed, handseed);
    return Plnx::eOk;
  }

  PnDbDatabase& m_db;
  bool m_onDemand;
};

Plnx::ErrorStatus PnDbDatabase::readDwgFile(const wchar_t* fileName, bool onDemand) {
  m_fileError.clear();
  if (!m_stubs.empty()) {
    m_fileError = L"a drawing can only be read into an empty database";
    return Plnx::eInvalidInput;
  }
  const std::wstring name = fileName ? fileName : L"";
  // Not blocking: a pipe or device by that name is refused, not waited on.
  kovt_platform::UniqueFd file(::open(WideToNativeName(name).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat status {};
  int openError = file.Get() < 0 || ::fstat(file.Get(), &status) != 0 ? errno : 0;
  if (openError == 0 && !S_ISREG(status.st_mode)) openError = S_ISDIR(status.st_mode) ? EISDIR : ENOTSUP;
  if (openError != 0) {
    m_fileError = L"cannot open " + name + L": " + Utf8ToWide(std::strerror(openError));
    return Plnx::eFileNotFound;
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  if (size > kMaxFileSize) {
    m_fileError = name + L" is too large to be a drawing";
    return Plnx::eNotADrawingFile;
  }
  // The prefix first: any other file is refused before its bulk is read.
  PnDbDrawingReader reader(*this, onDemand);
  std::uint8_t prefix[kPrefixSize];
  const std::size_t prefixSize = std::min(size, kPrefixSize);
  auto image = std::make_unique<kovt_platform::FileImage>();
  std::string readError;
  Plnx::ErrorStatus es = Plnx::eFileAccessErr;
  if (::pread(file.Get(), prefix, prefixSize, 0) == static_cast<ssize_t>(prefixSize)) {
    es = reader.checkPrefix({prefix, prefixSize});
    if (es == Plnx::eOk && !image->Read(file.Get(), size, readError)) es = Plnx::eFileAccessErr;
  }
  if (es == Plnx::eFileAccessErr) {
    m_fileError = L"cannot read " + name + (readError.empty() ? L"" : L": " + Utf8ToWide(readError));
    return es;
  }
  try {
    if (es == Plnx::eOk) es = reader.read({image->data(), image->size()});
  } catch (const std::bad_alloc&) {
    clearObjects();  // a failed open leaves the database empty, whatever the cause
    throw;
  }
  if (es != Plnx::eOk) {
    m_fileError = name + L" " + m_fileError;
    std::wstring why = m_fileError;
    clearObjects();
    m_fileError = why;
    return es;
  }
  // Filed objects point into the image.
  if (onDemand) m_image = std::move(image);
  m_fileName = fileName;
  return Plnx::eOk;
}
