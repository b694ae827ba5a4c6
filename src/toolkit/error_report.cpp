#include "error_report.h"

#include "message_text.h"

#include <QApplication>
#include <QMessageBox>

#include <cxxabi.h>
#include <dlfcn.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <typeinfo>

namespace tcm::toolkit {

namespace {

std::string baseName(const char* path)
{
    const std::string p = path ? path : "";
    const auto slash = p.find_last_of('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string executableName()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&executableName), &info) && info.dli_fname)
        return baseName(info.dli_fname);
    return {};
}

std::string demangled(const std::type_info* type)
{
    if (!type)
        return "Exception";
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? name.get() : type->name();
}

}  // namespace

CodeLocation locateCode(const void* address)
{
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname && info.dli_fbase) {
        const auto offset = reinterpret_cast<std::uintptr_t>(address) -
                            reinterpret_cast<std::uintptr_t>(info.dli_fbase);
        return {baseName(info.dli_fname), static_cast<std::uint32_t>(offset)};
    }
    return {executableName(), 0};
}

std::string currentExceptionReport()
{
    try {
        throw;
    } catch (const Exception& e) {
        const CodeLocation where = locateCode(e.raiseAddress());
        return startupFailureText(e.className(), where.module, where.offset, e.message());
    } catch (const std::exception& e) {
        // Not a toolkit exception: its type and text are all there is to say.
        return startupFailureText(demangled(abi::__cxa_current_exception_type()), executableName(), 0,
                                  e.what());
    } catch (...) {
        return startupFailureText(demangled(abi::__cxa_current_exception_type()), executableName(), 0,
                                  "");
    }
}

void showErrorBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void reportStartupFailure()
{
    const std::string text = currentExceptionReport();
    showErrorBox(QStringLiteral("Application Error"), QString::fromLocal8Bit(text.c_str()));
}

}  // namespace tcm::toolkit
