# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure once and rebuild only what changed.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

SANITIZE_DIR := $(BUILD_DIR)/sanitize
FUZZ_DIR := $(BUILD_DIR)/fuzz
# Where `make install` puts the program; DESTDIR stages it elsewhere.
PREFIX ?= /usr/local
# Seconds per harness: `make fuzz` runs long, the test command briefly.
FUZZ_SECONDS ?= 60
FUZZ_SECONDS_TEST ?= 5

.PHONY: all deps build run test test-main test-sanitize test-fuzz fuzz fuzz-build bench install uninstall clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/app/brelvio ]; then $(BUILD_DIR)/app/brelvio; \
	else $(BUILD_DIR)/app/brelvio-cli --help; fi

test: test-main test-sanitize test-fuzz

test-main: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
$(SANITIZE_DIR)/build.ninja: | deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBRELVIO_SANITIZE=ON -DBRELVIO_BENCH=OFF

test-sanitize: deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# The libFuzzer harnesses of fuzz/, built with clang in their own tree.
$(FUZZ_DIR)/build.ninja: | deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DBRELVIO_FUZZ=ON -DBRELVIO_TESTS=OFF -DBRELVIO_BENCH=OFF

fuzz-build: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS)

test-fuzz: fuzz-build
	scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS_TEST)

fuzz: fuzz-build
	scripts/fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: build
	@scripts/bench $(BUILD_DIR)

# Sets $$sudo to "sudo" when not root and the destination (or the nearest
# folder that exists on the way to it) is not writable.
define SUDO_SI_PRECISO
dest="$(DESTDIR)$(PREFIX)"; nearest="$$dest"; \
while [ ! -e "$$nearest" ]; do nearest=$$(dirname "$$nearest"); done; \
if [ "$$(id -u)" -ne 0 ] && [ ! -w "$$nearest" ]; then sudo=sudo; else sudo=; fi
endef

# The program directory under $(PREFIX)/lib/brelvio (read-only), launchers in
# $(PREFIX)/bin, desktop entry and icon.
install: build
	@$(SUDO_SI_PRECISO); \
	$$sudo env DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# What install put there; the users' own files in their folders stay.
uninstall:
	@$(SUDO_SI_PRECISO); \
	if [ -d "$$dest/lib/brelvio" ]; then $$sudo chmod -R u+w "$$dest/lib/brelvio"; fi; \
	$$sudo rm -rf "$$dest/lib/brelvio" "$$dest/bin/brelvio" "$$dest/bin/brelvio-cli" \
	  "$$dest/share/applications/brelvio.desktop" "$$dest/share/icons/hicolor/256x256/apps/brelvio.png"

clean:
	rm -rf $(BUILD_DIR)
