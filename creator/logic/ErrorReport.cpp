#include "creator/logic/ErrorReport.h"

#include <new>

namespace tavo::creator {

ErrorReport reportFor(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return {ErrorReport::Box::Error, kOutOfMemoryText, {}};
  } catch (const SilentAbort&) {
    return {ErrorReport::Box::None, {}, {}};
  } catch (const InvalidTimeInput& e) {
    e.reset("00:05");
    return {ErrorReport::Box::Warning, "You have not entered a valid time value.\rEnter a value of the form mm:ss",
            "00:05"};
  } catch (const StreamWriteError& e) {
    if (std::string(e.what()) == "Stream write error") return {ErrorReport::Box::Error, kDiskFullText, {}};
    return {ErrorReport::Box::Error, e.what(), {}};
  } catch (const StreamError& e) {
    if (std::string(e.what()).find("Out of memory") != std::string::npos)
      return {ErrorReport::Box::Error, kOutOfMemoryText, {}};
    return {ErrorReport::Box::Error, e.what(), {}};
  } catch (const std::exception& e) {
    return {ErrorReport::Box::Error, e.what(), {}};
  } catch (...) {
    return {ErrorReport::Box::Error, "An unknown error occurred.", {}};
  }
}

}  // namespace tavo::creator
