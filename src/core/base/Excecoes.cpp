#include "core/base/Excecoes.h"

#include <utility>

DException::DException(std::string message) : message(std::move(message)) {}

DException::DException(std::string message, const std::string& className, const std::string& methodName)
    : message(std::move(message)) {
    addTrace(className, methodName);
}

std::string DException::toString() const {
    std::string text = message;
    for (const auto& entry : trace) {
        text += "\n\r";
        text += entry;
    }
    return text;
}

void DException::addTrace(const std::string& className, const std::string& methodName) {
    trace.push_back(className + "::" + methodName);
}

FatalException::FatalException(std::string message, const std::string& className, const std::string& methodName)
    : DException(std::move(message), className, methodName) {}

OutOfBoundsException::OutOfBoundsException(std::string message, int32_t index, const std::string& className,
                                           const std::string& methodName)
    : DException(std::move(message), className, methodName), index(index) {}

IllegalArgumentException::IllegalArgumentException(std::string message, std::string argument,
                                                   const std::string& className, const std::string& methodName)
    : DException(std::move(message), className, methodName), argument(std::move(argument)) {}

NotFoundException::NotFoundException(std::string message, std::string item, const std::string& className,
                                     const std::string& methodName)
    : DException(std::move(message), className, methodName), item(std::move(item)) {}

FileNotFoundException::FileNotFoundException(std::string message, std::string path, const std::string& className,
                                             const std::string& methodName)
    : NotFoundException(std::move(message), std::move(path), className, methodName) {}

DataFormatException::DataFormatException(std::string message) : DException(std::move(message)) {}

XMLParseException::XMLParseException(std::string message, std::string detail, const std::string& className,
                                     const std::string& methodName)
    : DException(std::move(message), className, methodName), detail(std::move(detail)) {}

std::string XMLParseException::toString() const { return message; }

RaizNaoEncontradaException::RaizNaoEncontradaException(const std::string& chordText)
    : DException("N\xE3o foi encontrada raiz para o acorde: " + chordText) {}
