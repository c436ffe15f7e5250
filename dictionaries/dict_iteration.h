// Walking a dictionary's entries and closing a dictionary at scope end.
#pragma once

#include "host/dictionary.h"

// A forward-only iteration.
template <class T>
class TxIIterator {
 public:
  virtual ~TxIIterator() = default;
  virtual void First() = 0;
  virtual TxIIterator& operator++() = 0;
  virtual T operator*() const = 0;
  virtual bool IsEnd() const = 0;
};

class TxIIDIterator_TxDictIterator : public TxIIterator<PnDbObjectId> {};

// The object ids of a dictionary's entries, in the dictionary's order. The
// dictionary must be open for read or write while the iterator lives; one
// that is null or closed gives an empty iteration.
//
//   for (TxDictIterator it(dictionary, true); !it.IsEnd(); ++it) use(*it);
class TxDictIterator : public TxIIDIterator_TxDictIterator {
 public:
  // With `closeAtEnd` the iterator closes the dictionary when destroyed.
  TxDictIterator(PnDbDictionary* dictionary, bool closeAtEnd);
  ~TxDictIterator() override;
  TxDictIterator(const TxDictIterator&) = delete;
  TxDictIterator& operator=(const TxDictIterator&) = delete;

  // Positioned on the first entry at construction; it cannot be rewound.
  void First() override {}
  TxDictIterator& operator++() override;
  // The null id at the end.
  PnDbObjectId operator*() const override;
  bool IsEnd() const override;

 private:
  PnDbDictionary* m_dictionary;
  PnDbDictionaryIterator* m_iterator;
  bool m_closeAtEnd;
};

// Closes a dictionary when the scope ends (nothing for null).
class TxDictScope {
 public:
  explicit TxDictScope(PnDbDictionary* dictionary) : m_dictionary(dictionary) {}
  ~TxDictScope();
  TxDictScope(const TxDictScope&) = delete;
  // Copies the pointer: both scopes then close the dictionary, so assign
  // only where the dictionary was opened once for each of them.
  TxDictScope& operator=(const TxDictScope&) = default;

  PnDbDictionary* get() const { return m_dictionary; }
  PnDbDictionary* operator->() const { return m_dictionary; }

 private:
  PnDbDictionary* m_dictionary;
};
