#include "dictionaries/dict_iteration.h"

TxDictIterator::TxDictIterator(PnDbDictionary* dictionary, bool closeAtEnd)
    : m_dictionary(dictionary),
      // Iterating a closed dictionary would stop the host.
      m_iterator(dictionary != nullptr && dictionary->isReadEnabled() ? dictionary->newIterator() : nullptr),
      m_closeAtEnd(closeAtEnd) {}

TxDictIterator::~TxDictIterator() {
  delete m_iterator;
  if (m_closeAtEnd && m_dictionary != nullptr) m_dictionary->close();
}

TxDictIterator& TxDictIterator::operator++() {
  if (m_iterator != nullptr) m_iterator->next();
  return *this;
}

PnDbObjectId TxDictIterator::operator*() const { return m_iterator != nullptr ? m_iterator->objectId() : PnDbObjectId(); }

bool TxDictIterator::IsEnd() const { return m_iterator == nullptr || m_iterator->done(); }

TxDictScope::~TxDictScope() {
  if (m_dictionary != nullptr) m_dictionary->close();
}
