#pragma once
// The error family the core raises. Messages for conditions a user can cause
// come from the language file (section "exception"); programming faults carry
// fixed Portuguese texts. All texts are Windows-1252 bytes.
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

class DException : public std::exception {
public:
    DException() = default;
    explicit DException(std::string message);
    DException(std::string message, const std::string& className, const std::string& methodName);
    ~DException() override = default;

    const char* what() const noexcept override { return message.c_str(); }
    // The message, then "\n\r" and one trace entry per recorded frame.
    virtual std::string toString() const;

    void addTrace(const std::string& className, const std::string& methodName);

    const std::string& getMessage() const { return message; }
    const std::vector<std::string>& getTrace() const { return trace; }

protected:
    std::string message;
    std::vector<std::string> trace;
};

class FatalException : public DException {
public:
    FatalException(std::string message, const std::string& className, const std::string& methodName);
};

class OutOfBoundsException : public DException {
public:
    OutOfBoundsException(std::string message, int32_t index, const std::string& className,
                         const std::string& methodName);
    int32_t index;
};

class IllegalArgumentException : public DException {
public:
    IllegalArgumentException(std::string message, std::string argument, const std::string& className,
                             const std::string& methodName);
    std::string argument;
};

class NotFoundException : public DException {
public:
    NotFoundException() = default;
    NotFoundException(std::string message, std::string item, const std::string& className,
                      const std::string& methodName);
    std::string item;
};

class FileNotFoundException : public NotFoundException {
public:
    FileNotFoundException(std::string message, std::string path, const std::string& className,
                          const std::string& methodName);
};

class DataFormatException : public DException {
public:
    explicit DataFormatException(std::string message);
};

class XMLParseException : public DException {
public:
    XMLParseException(std::string message, std::string detail, const std::string& className,
                      const std::string& methodName);
    // The message alone: the trace is not shown for XML errors.
    std::string toString() const override;
    std::string detail;
};

class RaizNaoEncontradaException : public DException {
public:
    explicit RaizNaoEncontradaException(const std::string& chordText);
};

// Marker types outside the family; they carry no data.
class AcordeNaoSelecionadoException {};
class MidiDesabilitadoException {};
