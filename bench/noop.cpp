// bench_noop: a trivial program that ends at once, the command that the Stagehand comparison runs.
int main()
{
    return 0;
}
