// The translations live in this library's resources; this file gives the library a body.
namespace tagwell_i18n {
int linked = 0;
}
