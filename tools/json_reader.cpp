#include "tools/json_reader.h"

#include <unordered_set>
#include <vector>

#include "tools/cli_error.h"

namespace {

// Builds the document from the parser's events. Members are appended to the
// object's list, since looking each up in it first would take quadratic time;
// a set per open object finds those given twice.
class DocumentBuilder {
 public:
  bool null() { return Add(nullptr); }
  bool boolean(bool value) { return Add(value); }
  bool number_integer(JsonValue::number_integer_t value) { return Add(value); }
  bool number_unsigned(JsonValue::number_unsigned_t value) { return Add(value); }
  bool number_float(JsonValue::number_float_t value, const JsonValue::string_t&) { return Add(value); }
  bool string(JsonValue::string_t& value) { return Add(std::move(value)); }
  bool binary(JsonValue::binary_t& value) { return Add(JsonValue::binary(std::move(value))); }
  bool start_object(std::size_t) { return Open(JsonValue::object()); }
  bool start_array(std::size_t) { return Open(JsonValue::array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(JsonValue::string_t& name) {
    Frame& frame = m_open.back();
    if (!frame.keys.insert(name).second) return Fail("gives the member '" + name + "' twice in one object");
    frame.key = std::move(name);
    return true;
  }

  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
    // "[json.exception.parse_error.101] parse error at line 1, ..." without its tag.
    const std::string what = error.what();
    const std::size_t tag = what.find("] ");
    return Fail("is not valid JSON: " + (tag == std::string::npos ? what : what.substr(tag + 2)));
  }

  const std::string& Error() const { return m_error; }
  JsonValue TakeDocument() { return std::move(m_document); }

 private:
  struct Frame {
    JsonValue* value;
    std::string key;
    std::unordered_set<std::string> keys;
  };

  bool Fail(std::string error) {
    m_error = std::move(error);
    return false;
  }

  // Where the next value goes; stays valid while the value is open, since
  // its container takes nothing else meanwhile.
  JsonValue* Place(JsonValue&& value) {
    if (m_open.empty()) {
      m_document = std::move(value);
      return &m_document;
    }
    Frame& frame = m_open.back();
    if (frame.value->is_array()) {
      auto& elements = frame.value->get_ref<JsonValue::array_t&>();
      elements.push_back(std::move(value));
      return &elements.back();
    }
    // The ordered map is a vector of pairs; its own insert would search it.
    auto& members = static_cast<JsonValue::object_t::Container&>(frame.value->get_ref<JsonValue::object_t&>());
    members.emplace_back(std::move(frame.key), std::move(value));
    return &members.back().second;
  }

  template <class T>
  bool Add(T&& value) {
    Place(JsonValue(std::forward<T>(value)));
    return true;
  }

  bool Open(JsonValue&& container) {
    if (m_open.size() >= kMaxJsonDepth)
      return Fail("nests deeper than " + std::to_string(kMaxJsonDepth) + " levels");
    JsonValue* placed = Place(std::move(container));
    m_open.push_back(Frame{placed, {}, {}});
    return true;
  }

  bool Close() {
    m_open.pop_back();
    return true;
  }

  JsonValue m_document;
  std::vector<Frame> m_open;
  std::string m_error;
};

}  // namespace

JsonValue ReadJson(const std::string& text) {
  DocumentBuilder builder;
  if (!JsonValue::sax_parse(text, &builder)) throw CliError(builder.Error());
  return builder.TakeDocument();
}
