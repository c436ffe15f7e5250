// Status codes and small enumerations shared by every host call.
#pragma once

#include <cstdint>

namespace Plnx {

// The numbers are part of the interface: module code tests some of them by value.
enum ErrorStatus : int {
  eOk = 0,
  eNotImplementedYet = 1,
  eNotApplicable = 2,
  eInvalidInput = 3,
  eOutOfMemory = 6,
  eBufferTooSmall = 7,
  eInvalidOpenState = 8,
  eHandleExists = 10,
  eNullHandle = 11,
  eUnknownHandle = 13,
  eNullObjectPointer = 15,
  eNullObjectId = 16,
  eKeyNotFound = 22,
  eDuplicateKey = 23,
  eAlreadyInDb = 26,
  eInvalidSymbolTableName = 32,
  eInvalidKey = 33,
  eWrongObjectType = 34,
  eWrongDatabase = 35,
  eInvalidDwgVersion = 37,
  eEndOfFile = 41,
  eNotOpenForRead = 44,
  eNotOpenForWrite = 45,
  eNotThatKindOfClass = 46,
  eFilerError = 53,
  eDwgCRCDoesNotMatch = 65,
  eDwgObjectImproperlyRead = 67,
  eWasErased = 81,
  eWasOpenedForRead = 83,
  eWasOpenedForWrite = 84,
  eHadMultipleReaders = 85,
  eAtMaxReaders = 86,
  eNotInDatabase = 92,
  eDuplicateRecordName = 95,
  eFileNotFound = 109,
  eFileAccessErr = 110,
  eNotADrawingFile = 111,
  eMakeMeProxy = 301,
};

}  // namespace Plnx

namespace PnDb {

enum OpenMode : int { kNotOpen = -1, kForRead = 0, kForWrite = 1 };

// Why an object is being filed; objects may file less for in-memory copies.
enum FilerType : int {
  kFileFiler = 0,
  kCopyFiler,
  kUndoFiler,
  kBagFiler,
  kIdXlateFiler,
  kPageFiler,
  kDeepCloneFiler,
  kIdFiler,
  kPurgeFiler,
  kWblockCloneFiler,
};

// What a cross-database clone does when the destination already has a record of that name.
enum DuplicateRecordCloning : int {
  kDrcNotApplicable = 0,
  kDrcIgnore,
  kDrcReplace,
  kDrcXrefMangleName,
  kDrcMangleName,
  kDrcUnmangleName,
};

enum MeasurementValue : int { kEnglish = 0, kMetric = 1 };

}  // namespace PnDb
